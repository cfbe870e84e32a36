#include "framework/threads/MessageLoop.h"

#include "framework/core/FailureReport.h"
#include "framework/system/MessageQueue.h"
#include "framework/threads/Synchronize.h"

namespace skl {

namespace {
TMessageLoop* current = nullptr;
}  // namespace

TMessageLoop::TMessageLoop() : previous_(current) { current = this; }

TMessageLoop::~TMessageLoop() {
    EndSynchronize();
    current = previous_;
}

TMessageLoop& MessageLoop() {
    if (!current) static TMessageLoop standby;
    return *current;
}

bool TMessageLoop::ProcessMessage() {
    const TDispatch dispatch = DispatchWaitingMessage();
    if (dispatch == TDispatch::Quit) terminated_ = true;
    return dispatch != TDispatch::NoneWaiting;
}

void TMessageLoop::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

bool TMessageLoop::HandleMessage() {
    try {
        return ProcessMessage() || WaitForMessage();
    } catch (...) {
        ReportFailure();
        return true;
    }
}

void TMessageLoop::Terminate() { PostQuitMessage(); }

void TMessageLoop::EnableSynchronize() {
    if (syncWindow_) return;
    syncWindow_ = std::make_unique<TMessageWindow>(wm::Null, [] { RunSynchronizedCalls(); });
    OpenSynchronize(syncWindow_->Window().Handle(), wm::Null);
}

void TMessageLoop::EndSynchronize() {
    if (!syncWindow_) return;
    CloseSynchronize();
    syncWindow_.reset();
}

}  // namespace skl
