#pragma once
// A hidden top-level window of the user-interface thread: a pop-up tool window
// of zero size that receives messages for a component. It exists from
// construction to destruction and is made and destroyed on the same thread.
#include <cstdint>
#include <functional>

namespace skl {

using TWindowHandle = std::uintptr_t;

class TUtilityWindow {
public:
    using TProcedure = std::function<std::intptr_t(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)>;

    // EOutOfResources when the system cannot make the window.
    explicit TUtilityWindow(TProcedure procedure);
    ~TUtilityWindow();
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    TWindowHandle Handle() const { return handle_; }

    // The system's default processing of a message (DefWindowProc).
    std::intptr_t DefaultProcedure(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    // IsWindowEnabled.
    bool Enabled() const;
    // SetForegroundWindow.
    void BringToForeground();

    // Hands a message to the procedure. A failure that the procedure lets out
    // goes to the application's exception handling: it must not cross the
    // system's message dispatch.
    std::intptr_t Dispatch(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) noexcept;

private:
    TProcedure procedure_;
    TWindowHandle handle_ = 0;
};

}  // namespace skl
