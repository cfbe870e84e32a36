#pragma once
// The system's popup menu (TrackPopupMenu on Windows).
#include <optional>
#include <string>
#include <vector>

#include "framework/core/PixelRows.h"
#include "framework/core/Types.h"

namespace skl {

struct TMenuEntry {
    // "-" makes a separator line.
    std::string Caption;
    bool Enabled = true;
    // Shown in bold.
    bool Default = false;
    // Shown beside the caption; its bottom-left colour is see-through.
    std::optional<TPixelImage> Picture;
};

// Where the menu stands relative to its point.
enum class TPopupAlignment { paLeft, paRight, paCenter };
// Which mouse button chooses an entry.
enum class TTrackButton { tbRightButton, tbLeftButton };

struct TMenuPlacement {
    TPoint Point;
    TPopupAlignment Alignment = TPopupAlignment::paLeft;
    TTrackButton TrackButton = TTrackButton::tbRightButton;
};

// Shows the entries as a menu and returns when it has closed: the index of
// the entry chosen, or -1 for none.
int ShowPopupMenu(const std::vector<TMenuEntry>& entries, const TMenuPlacement& placement);

}  // namespace skl
