#pragma once
// The headless popup menu: each popup is recorded and noted in the journal
// as "TrackPopupMenu <x>,<y>"; while it is "open" the messages waiting are
// handled, as the system's menu loop does, and then a test's chooser decides
// which entry is chosen (-1 closes the menu; a failure it raises comes out
// of the popup). Without a chooser every menu closes with no choice.
#include <functional>
#include <string>
#include <vector>

#include "framework/system/MenuPopup.h"

namespace skl::fake {

struct TMenuPopupCall {
    std::vector<std::string> Captions;
    TPoint Point;
};

using TMenuChooser = std::function<int(const std::vector<TMenuEntry>& entries, TPoint point)>;

void SetMenuChooser(TMenuChooser chooser);
// A chooser that takes the entry of that caption.
void ChooseMenuEntry(const std::string& caption);
std::vector<TMenuPopupCall> MenuPopups();
void ClearMenuPopups();

}  // namespace skl::fake
