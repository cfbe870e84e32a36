#pragma once
// The system's standard controls ("BUTTON", "EDIT", "COMBOBOX", "STATIC",
// the tab strip and the up-down buttons): what the program sets on them and
// reads back, keyboard focus and input, and what their notifications carry.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Messages.h"
#include "framework/core/PixelRows.h"
#include "framework/core/Types.h"

namespace skl {


// The window class names.
inline constexpr const char* ButtonClass = "BUTTON";
inline constexpr const char* EditClass = "EDIT";
inline constexpr const char* ComboBoxClass = "COMBOBOX";
inline constexpr const char* StaticClass = "STATIC";
inline constexpr const char* TabControlClass = "SysTabControl32";
inline constexpr const char* UpDownClass = "msctls_updown32";

// The keyboard focus of this thread.
void FocusWindow(TWindowHandle window);
TWindowHandle FocusedWindow();
// A disabled window takes no mouse or keyboard input.
void EnableWindowInput(TWindowHandle window, bool enabled);

// Buttons and check boxes.
bool ButtonChecked(TWindowHandle button);
void SetButtonChecked(TWindowHandle button, bool checked);
// The thick frame of the button that Enter presses.
void SetButtonDefaultLook(TWindowHandle button, bool isDefault);
// A picture left of the caption; the colour of its bottom-left pixel is see-through.
void SetButtonGlyph(TWindowHandle button, const TPixelImage& glyph);

// The entries of a drop-down list, numbered from 0; -1 selects none.
void InsertListEntry(TWindowHandle list, int index, const std::string& text);
void ClearListEntries(TWindowHandle list);
void SelectListEntry(TWindowHandle list, int index);
int SelectedListEntry(TWindowHandle list);
// The closed drop-down list's height, whatever its font gives it.
void SetListFieldHeight(TWindowHandle list, int height);

// The tabs of a tab strip, numbered from 0.
void SetTabs(TWindowHandle tabs, const std::vector<std::string>& captions);
void SelectTab(TWindowHandle tabs, int index);
int SelectedTab(TWindowHandle tabs);
int TabCount(TWindowHandle tabs);
// The part of the client area below the tabs, where a page goes.
TRect TabDisplayArea(TWindowHandle tabs);

// The library of the tab strip, the up-down buttons and the buttons' glyphs
// is loaded with the first window or glyph that needs it. Once no window of
// the standard controls is left, this unloads it and its memory goes with
// it; false while one is left.
bool ReleaseControlLibrary();

// Up-down buttons that belong to an edit; they only report steps (cn::UpDownDeltaPos).
void SetUpDownBuddy(TWindowHandle upDown, TWindowHandle buddy);

// What a wm::Notify carries in its LParam: the control, the notification
// code (cn::...) and, for the up-down buttons, the step (+1 up, -1 down).
struct TNotification {
    TWindowHandle From;
    int Code = 0;
    int Delta = 0;
};
TNotification ReadNotification(std::intptr_t lParam);

// The answer to a wm::CtlColor... message: sets the text and background
// colours on the device context it carries and returns the brush that fills
// the control's background.
std::intptr_t ControlColors(std::uintptr_t deviceContext, TColor text, TColor background);

}  // namespace skl
