#pragma once
// Window messages as the system numbers them, and the handle by which the
// program names a window. The numbers are the system's own, so both backends
// and every window procedure speak the same language.
#include <cstdint>

#include "framework/core/Handle.h"

namespace skl {

// A window of the system; the empty handle names none.
using TWindowHandle = THandle<struct TWindowKind>;

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
inline constexpr unsigned SetFocus = 0x0007;
inline constexpr unsigned KillFocus = 0x0008;
inline constexpr unsigned SetText = 0x000C;
inline constexpr unsigned Paint = 0x000F;
inline constexpr unsigned Close = 0x0010;
inline constexpr unsigned Quit = 0x0012;
inline constexpr unsigned CancelMode = 0x001F;
inline constexpr unsigned SetCursor = 0x0020;
inline constexpr unsigned Notify = 0x004E;
inline constexpr unsigned NcCreate = 0x0081;
inline constexpr unsigned KeyDown = 0x0100;
inline constexpr unsigned Char = 0x0102;
inline constexpr unsigned Command = 0x0111;
inline constexpr unsigned Timer = 0x0113;
inline constexpr unsigned CtlColorEdit = 0x0133;
inline constexpr unsigned CtlColorBtn = 0x0135;
inline constexpr unsigned CtlColorStatic = 0x0138;
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
// A dialog's question for its default button (the dialog keyboard interface asks it on Enter).
inline constexpr unsigned GetDefId = User;
// A form's note to itself, posted when it hides: what only the shown window needs may go.
inline constexpr unsigned ReleaseWindows = App;
}  // namespace wm

// What a wm::Command or wm::Notify from a standard control reports.
namespace cn {
inline constexpr int ButtonClicked = 0;
inline constexpr int StaticClicked = 0;
inline constexpr int ListSelectionChanged = 1;
inline constexpr int EditKillFocus = 0x0200;
inline constexpr int EditChanged = 0x0300;
inline constexpr int TabSelectionChanged = -551;
inline constexpr int UpDownDeltaPos = -722;
}  // namespace cn

// Command identifiers of the dialog keyboard interface: Enter without a
// default button, and Esc.
inline constexpr unsigned IdOk = 1;
inline constexpr unsigned IdCancel = 2;
// The answer to wm::GetDefId carries this in its high word.
inline constexpr std::uintptr_t HasDefId = 0x534B;

// Virtual keys.
namespace vk {
inline constexpr unsigned Up = 0x26;
inline constexpr unsigned Down = 0x28;
}  // namespace vk

// Window styles.
namespace ws {
inline constexpr std::uint32_t Overlapped = 0x00000000;
inline constexpr std::uint32_t Popup = 0x80000000;
inline constexpr std::uint32_t Child = 0x40000000;
inline constexpr std::uint32_t Visible = 0x10000000;
inline constexpr std::uint32_t Disabled = 0x08000000;
inline constexpr std::uint32_t ClipSiblings = 0x04000000;
inline constexpr std::uint32_t ClipChildren = 0x02000000;
inline constexpr std::uint32_t Caption = 0x00C00000;
inline constexpr std::uint32_t Border = 0x00800000;
inline constexpr std::uint32_t DlgFrame = 0x00400000;
inline constexpr std::uint32_t SysMenu = 0x00080000;
inline constexpr std::uint32_t ThickFrame = 0x00040000;
inline constexpr std::uint32_t MinimizeBox = 0x00020000;
inline constexpr std::uint32_t MaximizeBox = 0x00010000;
inline constexpr std::uint32_t VScroll = 0x00200000;
inline constexpr std::uint32_t TabStop = 0x00010000;
inline constexpr std::uint32_t OverlappedWindow = Caption | SysMenu | ThickFrame | MinimizeBox | MaximizeBox;
}  // namespace ws

// Extended window styles.
namespace wsex {
inline constexpr std::uint32_t DlgModalFrame = 0x00000001;
inline constexpr std::uint32_t ToolWindow = 0x00000080;
inline constexpr std::uint32_t ClientEdge = 0x00000200;
inline constexpr std::uint32_t RtlReading = 0x00002000;
inline constexpr std::uint32_t ControlParent = 0x00010000;
inline constexpr std::uint32_t AppWindow = 0x00040000;
}  // namespace wsex

// Styles of the standard controls, by the class they belong to.
namespace bs {
inline constexpr std::uint32_t PushButton = 0x0000;
inline constexpr std::uint32_t DefPushButton = 0x0001;
inline constexpr std::uint32_t AutoCheckBox = 0x0003;
}  // namespace bs
namespace ss {
inline constexpr std::uint32_t Left = 0x0000;
inline constexpr std::uint32_t Center = 0x0001;
inline constexpr std::uint32_t LeftNoWordWrap = 0x000C;
inline constexpr std::uint32_t Notify = 0x0100;
inline constexpr std::uint32_t CenterImage = 0x0200;
}  // namespace ss
namespace es {
inline constexpr std::uint32_t AutoHScroll = 0x0080;
}  // namespace es
namespace cbs {
inline constexpr std::uint32_t DropDownList = 0x0003;
}  // namespace cbs

}  // namespace skl
