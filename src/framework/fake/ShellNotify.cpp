#include "framework/fake/ShellNotify.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "framework/fake/Journal.h"
#include "framework/system/Window.h"

namespace skl::fake {

namespace {

struct Shell {
    std::mutex mutex;
    std::condition_variable called;
    std::vector<TShellCall> calls;
    std::vector<TNotifyIconData> icons;
    bool refuseAdds = false;
};

Shell& State() {
    static Shell* state = new Shell;  // worker threads may call it at exit
    return *state;
}

// The shell knows an icon by its window and identifier.
auto Same(const TNotifyIconData& data) {
    return [&data](const TNotifyIconData& icon) { return icon.hWnd == data.hWnd && icon.uID == data.uID; };
}

constexpr std::uint32_t SmallestRecord = 88;

bool Apply(Shell& shell, TNotifyIconMessage message, const TNotifyIconData& data) {
    if (data.cbSize < SmallestRecord || data.hWnd == 0) return false;
    auto found = std::find_if(shell.icons.begin(), shell.icons.end(), Same(data));
    switch (message) {
    case TNotifyIconMessage::nimAdd:
        if (shell.refuseAdds || found != shell.icons.end()) return false;
        shell.icons.push_back(data);
        return true;
    case TNotifyIconMessage::nimModify:
        if (found == shell.icons.end()) return false;
        *found = data;
        return true;
    case TNotifyIconMessage::nimDelete:
        if (found == shell.icons.end()) return false;
        shell.icons.erase(found);
        return true;
    }
    return false;
}

const char* Name(TNotifyIconMessage message) {
    switch (message) {
    case TNotifyIconMessage::nimAdd: return "NIM_ADD";
    case TNotifyIconMessage::nimModify: return "NIM_MODIFY";
    case TNotifyIconMessage::nimDelete: return "NIM_DELETE";
    }
    return "?";
}

}  // namespace

std::vector<TShellCall> ShellCalls() {
    std::lock_guard hold(State().mutex);
    return State().calls;
}

void ClearShellCalls() {
    std::lock_guard hold(State().mutex);
    State().calls.clear();
}

bool WaitForShellCalls(std::size_t count) {
    std::unique_lock hold(State().mutex);
    return State().called.wait_for(hold, std::chrono::seconds(10), [&] { return State().calls.size() >= count; });
}

std::vector<TNotifyIconData> NotificationArea() {
    std::lock_guard hold(State().mutex);
    return State().icons;
}

void RefuseShellAdds(bool refuse) {
    std::lock_guard hold(State().mutex);
    State().refuseAdds = refuse;
}

void ResetNotificationArea() {
    std::lock_guard hold(State().mutex);
    State().icons.clear();
}

void RestartTaskbar() {
    ResetNotificationArea();
    PostWindowMessage(EveryTopLevelWindow, TaskbarCreatedMessage());
}

}  // namespace skl::fake

namespace skl {

std::uint32_t NotifyIconDataV1Size() {
    // The wide first-version record as Windows lays it out.
    struct WideRecordV1 {
        std::uint32_t cbSize;
        void* hWnd;
        std::uint32_t uID, uFlags, uCallbackMessage;
        void* hIcon;
        char16_t szTip[NotifyTipLength + 1];
    };
    return sizeof(WideRecordV1);
}

bool ShellNotifyIcon(TNotifyIconMessage message, const TNotifyIconData& data) {
    auto& shell = fake::State();
    std::lock_guard hold(shell.mutex);
    const bool succeeded = fake::Apply(shell, message, data);
    shell.calls.push_back({message, data, succeeded});
    fake::Note(std::string("Shell_NotifyIcon ") + fake::Name(message));
    shell.called.notify_all();
    return succeeded;
}

// A number from the range the system gives registered messages.
unsigned TaskbarCreatedMessage() { return 0xC0DE; }

}  // namespace skl
