// Looks at the program's windows from outside, as the end-to-end tests need:
//   winprobe find CLASS   prints "handle visible caption"; exit code 1 when absent
//   winprobe texts CLASS  prints the texts of that window's child windows, one a line
//   winprobe close CLASS  posts the close message to that window; exit code 1 when absent
#include <cstdio>
#include <string>

#include "framework/system/Window.h"

using namespace skl;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: winprobe find|texts|close CLASS\n");
        return 2;
    }
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
    if (command == "close") return PostWindowMessage(window, wm::Close) ? 0 : 1;
    std::fprintf(stderr, "winprobe: unknown command %s\n", command.c_str());
    return 2;
}
