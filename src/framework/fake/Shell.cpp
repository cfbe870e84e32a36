#include "framework/fake/Shell.h"

#include <utility>

namespace skl {

namespace fake {

TShellLog& ShellLog() {
    static TShellLog log;
    return log;
}

void ResetShell() { ShellLog() = {}; }

}  // namespace fake

using fake::ShellLog;

void ReloadDesktopWallpaper(const std::string& path) {
    ShellLog().WallpaperReloads.push_back(path);
    if (auto whileReloading = ShellLog().WhileReloading) whileReloading();
}

void ShellOpen(TWindowHandle, const std::string& link, TShowWindow show) {
    ShellLog().OpenedLinks.push_back(link + (show == TShowWindow::Hide ? "|hide" : "|maximized"));
}

void StartScreenSaver() { ++ShellLog().ScreenSaverStarts; }

TActiveDesktop TActiveDesktop::Create() {
    if (ShellLog().ActiveDesktopMissing) throw EOleSysError("Class not registered");
    ++ShellLog().ActiveDesktopsAlive;
    return TActiveDesktop(&ShellLog());
}

TActiveDesktop::TActiveDesktop(TActiveDesktop&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}

TActiveDesktop& TActiveDesktop::operator=(TActiveDesktop&& other) noexcept {
    std::swap(object_, other.object_);
    return *this;
}

TActiveDesktop::~TActiveDesktop() {
    if (object_) --ShellLog().ActiveDesktopsAlive;
}

void TActiveDesktop::ApplyChanges(unsigned flags) { ShellLog().ActiveDesktopApplies.push_back(flags); }

}  // namespace skl
