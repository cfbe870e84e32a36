// Looks at the program's windows from outside, as the end-to-end tests need:
//   winprobe find CLASS   prints "handle visible caption"; exit code 1 when absent
//   winprobe count CLASS  prints the number of top-level windows of that class
//   winprobe texts CLASS  prints the texts of that window's child windows, one a line
//   winprobe place CLASS  prints "left top width height clientWidth clientHeight": the
//                         window on the screen, frame included, and its client area
//   winprobe tree CLASS   prints every window within it, one a line, parents first:
//                         "depth|class|left|top|width|height|visible|checked|tabs|text",
//                         the place relative to the parent's client area; checked is
//                         a check box's tick, tabs the number of tabs on a tab strip
//   winprobe focus CLASS  prints "foreground|class|text": whether that window is in
//                         front, and the class and text of the window with the focus
//   winprobe close CLASS  posts the close message to that window; exit code 1 when absent
//   winprobe remove-icons CLASS
//                         removes the icons (identifier 0) of every top-level window of
//                         that class from the notification area, as a restarting shell
//                         loses them; exit code 1 when there is no such window
//   winprobe taskbar-created CLASS
//                         posts the message of a new taskbar to every top-level window,
//                         as the restarted shell does; exit code 1 when there is no
//                         window of that class to hear it
#include <cstdio>
#include <string>
#include <vector>

#include "framework/application/Application.h"
#include "framework/system/ControlWindows.h"
#include "framework/system/Foreground.h"
#include "framework/system/ShellNotify.h"
#include "framework/system/Window.h"

using namespace skl;

namespace {

void PrintTree(TWindowHandle parent, int depth) {
    const TPoint origin = ClientOrigin(parent);
    for (TWindowHandle child : ChildWindows(parent)) {
        const TRect screen = WindowScreenRect(child);
        const std::string windowClass = WindowClassName(child);
        std::printf("%d|%s|%d|%d|%d|%d|%d|%d|%d|%s\n", depth, windowClass.c_str(), screen.Left - origin.X,
                    screen.Top - origin.Y, screen.Width(), screen.Height(), WindowVisible(child) ? 1 : 0,
                    ButtonChecked(child) ? 1 : 0, windowClass == TabControlClass ? TabCount(child) : 0,
                    WindowText(child).c_str());
        PrintTree(child, depth + 1);
    }
}

void PrintPlace(TWindowHandle window) {
    const TRect screen = WindowScreenRect(window);
    const TPoint origin = ClientOrigin(window);
    // The frame is as wide on the right and at the bottom as on the left.
    const int frame = origin.X - screen.Left;
    std::printf("%d %d %d %d %d %d\n", screen.Left, screen.Top, screen.Width(), screen.Height(),
                screen.Right - frame - origin.X, screen.Bottom - frame - origin.Y);
}

std::vector<TWindowHandle> TopLevelWindowsOf(const std::string& windowClass) {
    std::vector<TWindowHandle> found;
    for (TWindowHandle window : ChildWindows(0))
        if (WindowClassName(window) == windowClass) found.push_back(window);
    return found;
}

void RemoveIcons(const std::string& windowClass) {
    TNotifyIconData icon;
    icon.cbSize = NotifyIconDataV1Size();
    for (TWindowHandle window : TopLevelWindowsOf(windowClass)) {
        icon.hWnd = window;
        ShellNotifyIcon(TNotifyIconMessage::nimDelete, icon);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: winprobe find|count|texts|place|tree|focus|close|remove-icons|taskbar-created CLASS\n");
        return 2;
    }
    // Places in the same pixels as a program that is aware of the screen's resolution.
    Application().Initialize();
    const std::string command = argv[1];
    if (command == "count") {
        std::printf("%zu\n", TopLevelWindowsOf(argv[2]).size());
        return 0;
    }
    const TWindowHandle window = FindTopLevelWindow(argv[2]);
    if (!window) return 1;
    if (command == "find") {
        std::printf("%llu %d %s\n", static_cast<unsigned long long>(window), WindowVisible(window) ? 1 : 0,
                    WindowText(window).c_str());
    } else if (command == "texts") {
        for (TWindowHandle child : ChildWindows(window)) std::printf("%s\n", WindowText(child).c_str());
    } else if (command == "place") {
        PrintPlace(window);
    } else if (command == "tree") {
        PrintTree(window, 1);
    } else if (command == "focus") {
        const TWindowHandle focus = FocusOfWindowThread(window);
        std::printf("%d|%s|%s\n", ForegroundWindow() == window ? 1 : 0, focus ? WindowClassName(focus).c_str() : "",
                    focus ? WindowText(focus).c_str() : "");
    } else if (command == "close") {
        return PostWindowMessage(window, wm::Close) ? 0 : 1;
    } else if (command == "remove-icons") {
        RemoveIcons(argv[2]);
    } else if (command == "taskbar-created") {
        return PostWindowMessage(EveryTopLevelWindow, TaskbarCreatedMessage()) ? 0 : 1;
    } else {
        std::fprintf(stderr, "winprobe: unknown command %s\n", command.c_str());
        return 2;
    }
    return 0;
}
