#include "framework/system/Window.h"

#include "framework/core/FailureReport.h"

namespace skl {

TCreateParams UtilityWindow() {
    TCreateParams params;
    params.WindowClass = "SkelvoraUtilWindow";
    params.Style = ws::Popup;
    params.ExStyle = wsex::ToolWindow;
    params.X = params.Y = params.Width = params.Height = 0;
    return params;
}

TMessageWindow::TMessageWindow(unsigned message, std::function<void()> handler)
    : message_(message), handler_(std::move(handler)), window_([this](TMessage& received) {
          if (received.Msg == message_)
              handler_();
          else
              window_.DefaultHandler(received);
      }) {
    window_.Create(UtilityWindow());
}

void TWindow::Dispatch(TMessage& message) noexcept {
    try {
        if (handler_)
            handler_(message);
        else
            DefaultHandler(message);
    } catch (...) {
        ReportFailure();
    }
}

}  // namespace skl
