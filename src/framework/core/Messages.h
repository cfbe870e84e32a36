#pragma once
// Window messages as the system numbers them, and the handle by which the
// program names a window. The numbers are the system's own, so both backends
// and every window procedure speak the same language.
#include <cstdint>

namespace skl {

// A window of the system; 0 names none.
using TWindowHandle = std::uintptr_t;

struct TMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

// Message numbers, kept apart from the system headers' macros of the same meaning.
namespace wm {
inline constexpr unsigned Null = 0x0000;
inline constexpr unsigned Create = 0x0001;
inline constexpr unsigned Destroy = 0x0002;
inline constexpr unsigned Activate = 0x0006;
inline constexpr unsigned SetText = 0x000C;
inline constexpr unsigned Paint = 0x000F;
inline constexpr unsigned Close = 0x0010;
inline constexpr unsigned Quit = 0x0012;
inline constexpr unsigned CancelMode = 0x001F;
inline constexpr unsigned NcCreate = 0x0081;
inline constexpr unsigned Timer = 0x0113;
inline constexpr unsigned MouseMove = 0x0200;
inline constexpr unsigned LButtonDown = 0x0201;
inline constexpr unsigned LButtonUp = 0x0202;
inline constexpr unsigned LButtonDblClk = 0x0203;
inline constexpr unsigned RButtonDown = 0x0204;
inline constexpr unsigned RButtonUp = 0x0205;
inline constexpr unsigned RButtonDblClk = 0x0206;
inline constexpr unsigned MButtonDown = 0x0207;
inline constexpr unsigned MButtonUp = 0x0208;
inline constexpr unsigned MButtonDblClk = 0x0209;
inline constexpr unsigned QueryNewPalette = 0x030F;
inline constexpr unsigned User = 0x0400;
inline constexpr unsigned App = 0x8000;
}  // namespace wm

// Window styles.
namespace ws {
inline constexpr std::uint32_t Overlapped = 0x00000000;
inline constexpr std::uint32_t Popup = 0x80000000;
inline constexpr std::uint32_t Child = 0x40000000;
inline constexpr std::uint32_t Visible = 0x10000000;
inline constexpr std::uint32_t ClipSiblings = 0x04000000;
inline constexpr std::uint32_t ClipChildren = 0x02000000;
inline constexpr std::uint32_t Caption = 0x00C00000;
inline constexpr std::uint32_t Border = 0x00800000;
inline constexpr std::uint32_t DlgFrame = 0x00400000;
inline constexpr std::uint32_t SysMenu = 0x00080000;
inline constexpr std::uint32_t ThickFrame = 0x00040000;
inline constexpr std::uint32_t MinimizeBox = 0x00020000;
inline constexpr std::uint32_t MaximizeBox = 0x00010000;
inline constexpr std::uint32_t OverlappedWindow = Caption | SysMenu | ThickFrame | MinimizeBox | MaximizeBox;
}  // namespace ws

// Extended window styles.
namespace wsex {
inline constexpr std::uint32_t DlgModalFrame = 0x00000001;
inline constexpr std::uint32_t ToolWindow = 0x00000080;
inline constexpr std::uint32_t ControlParent = 0x00010000;
inline constexpr std::uint32_t AppWindow = 0x00040000;
}  // namespace wsex

}  // namespace skl
