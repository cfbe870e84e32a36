// Looks at the program's windows from outside, as the end-to-end tests need:
//   winprobe find CLASS   prints "handle visible caption"; exit code 1 when absent
//   winprobe texts CLASS  prints the texts of that window's child windows, one a line
//   winprobe tree CLASS   prints every window within it, one a line, parents first:
//                         "depth|class|left|top|width|height|visible|text", the place
//                         relative to the parent's client area (the window itself:
//                         its client area's size, and its place on the screen)
//   winprobe focus CLASS  prints "foreground|class|text": whether that window is in
//                         front, and the class and text of the window with the focus
//   winprobe close CLASS  posts the close message to that window; exit code 1 when absent
#include <cstdio>
#include <string>

#include "framework/application/Application.h"
#include "framework/system/Foreground.h"
#include "framework/system/Window.h"

using namespace skl;

namespace {

void PrintLine(int depth, TWindowHandle window, TRect place) {
    std::printf("%d|%s|%d|%d|%d|%d|%d|%s\n", depth, WindowClassName(window).c_str(), place.Left, place.Top,
                place.Width(), place.Height(), WindowVisible(window) ? 1 : 0, WindowText(window).c_str());
}

void PrintTree(TWindowHandle parent, int depth) {
    const TPoint origin = ClientOrigin(parent);
    for (TWindowHandle child : ChildWindows(parent)) {
        const TRect screen = WindowScreenRect(child);
        PrintLine(depth, child,
                  {screen.Left - origin.X, screen.Top - origin.Y, screen.Right - origin.X, screen.Bottom - origin.Y});
        PrintTree(child, depth + 1);
    }
}

// The client area's size at the window's client origin.
TRect ClientPlace(TWindowHandle window) {
    const TPoint origin = ClientOrigin(window);
    const TRect screen = WindowScreenRect(window);
    // The frame is as wide on the right as on the left, and on the bottom.
    const int frame = origin.X - screen.Left;
    return {origin.X, origin.Y, screen.Right - frame, screen.Bottom - frame};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: winprobe find|texts|tree|focus|close CLASS\n");
        return 2;
    }
    // Places in the same pixels as a program that is aware of the screen's resolution.
    Application().Initialize();
    const std::string command = argv[1];
    const TWindowHandle window = FindTopLevelWindow(argv[2]);
    if (!window) return 1;
    if (command == "find") {
        std::printf("%llu %d %s\n", static_cast<unsigned long long>(window), WindowVisible(window) ? 1 : 0,
                    WindowText(window).c_str());
        return 0;
    }
    if (command == "texts") {
        for (TWindowHandle child : ChildWindows(window)) std::printf("%s\n", WindowText(child).c_str());
        return 0;
    }
    if (command == "tree") {
        PrintLine(0, window, ClientPlace(window));
        PrintTree(window, 1);
        return 0;
    }
    if (command == "focus") {
        const TWindowHandle focus = FocusOfWindowThread(window);
        std::printf("%d|%s|%s\n", ForegroundWindow() == window ? 1 : 0, focus ? WindowClassName(focus).c_str() : "",
                    focus ? WindowText(focus).c_str() : "");
        return 0;
    }
    if (command == "close") return PostWindowMessage(window, wm::Close) ? 0 : 1;
    std::fprintf(stderr, "winprobe: unknown command %s\n", command.c_str());
    return 2;
}
