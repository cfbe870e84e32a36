#pragma once
// The headless standard controls. The program's settings on them are in the
// window records (Desktop.h); here a test acts as the user, who clicks,
// types, chooses and moves the mouse, and the control reports it to the
// program as the system's controls do. Beside that: the fonts made, the
// colours a parent gives a control, the beeps, the releases of the controls'
// library, and the screen resolution and decimal separator a test sets.
// ResetDesktop puts them back: no beeps, fonts or releases, 96 pixels per
// inch, ".".
#include <cstdint>
#include <string>
#include <utility>

#include "framework/core/Messages.h"
#include "framework/core/Types.h"
#include "framework/system/ControlWindows.h"
#include "framework/system/Fonts.h"

namespace skl::fake {

// A click on a button, a check box (which toggles first), a label that
// reports clicks, or any other window (button down and up on it). A disabled
// window takes none.
void Click(TWindowHandle control);
// An entry chosen in a drop-down list, a tab chosen on a tab strip.
void ChooseEntry(TWindowHandle list, int index);
void ChooseTab(TWindowHandle tabs, int index);
// Characters typed into the focused window, one wm::Char each; an edit that
// lets a character through takes it (backspace, 8, takes the last one back).
void Type(TWindowHandle window, const std::u32string& text);
void PressKey(TWindowHandle window, unsigned key);
// The up or down button (+1, -1) of up-down buttons.
void ClickUpDown(TWindowHandle upDown, int delta);
void MoveMouse(TWindowHandle window, int x, int y);

struct TFontMade {
    std::string Face;
    int Height = 0;
    std::uint8_t Style = 0;
    friend bool operator==(const TFontMade&, const TFontMade&) = default;
};
TFontMade FontMade(TFontHandle font);

// What `parent` answers when the system asks it for the colours of `child`:
// text, then background.
std::pair<TColor, TColor> ColorsFor(TWindowHandle parent, TWindowHandle child);

int Beeps();
// How often the standard controls' library was given back.
int ControlLibraryReleases();
void SetDecimalSeparator(char32_t separator);

}  // namespace skl::fake
