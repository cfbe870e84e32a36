#pragma once
// What the program asks of the shell: reload the desktop wallpaper, apply the
// Active Desktop's changes, open a link, start the screen saver.
#include <string>

#include "framework/core/Exceptions.h"
#include "framework/core/Messages.h"

namespace skl {

SKL_EXCEPTION(EOleSysError, Exception);
SKL_EXCEPTION(EIntfCastError, Exception);
inline constexpr const char* SIntfNotSupported = "Interface not supported";

// Has the shell load the wallpaper from `path` and tell other programs.
void ReloadDesktopWallpaper(const std::string& path);

enum class TShowWindow { Hide, ShowMaximized };
// Opens a document or link with its program; a failure is not reported.
void ShellOpen(TWindowHandle window, const std::string& link, TShowWindow show);

// Starts the screen saver, as the desktop window's system command does.
void StartScreenSaver();

// The shell's Active Desktop object. Created afresh for each use; the last
// one made is kept until it is replaced or released.
class TActiveDesktop {
public:
    // EOleSysError when the shell cannot make the object, EIntfCastError when
    // it does not offer the Active Desktop interface.
    static TActiveDesktop Create();
    TActiveDesktop() = default;
    TActiveDesktop(TActiveDesktop&& other) noexcept;
    TActiveDesktop& operator=(TActiveDesktop&& other) noexcept;
    ~TActiveDesktop();

    // The flags: save 1, regenerate 2, refresh 4, force 8. The result is not looked at.
    void ApplyChanges(unsigned flags);
    explicit operator bool() const { return object_ != nullptr; }

private:
    explicit TActiveDesktop(void* object) : object_(object) {}
    void* object_ = nullptr;
};

}  // namespace skl
