#include "framework/controls/ComboBox.h"

#include <algorithm>

#include "framework/system/Locale.h"
#include "framework/system/Screen.h"

namespace skl {

namespace {

bool SortsBefore(const std::string& a, const std::string& b) { return CompareLocaleText(a, b) < 0; }

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) { TabStop = true; }

// The list keeps the order the control gives it, so that both number the
// entries alike.
int TComboBox::AddItem(const std::string& item) {
    auto position = Sorted ? std::upper_bound(items_.begin(), items_.end(), item, SortsBefore) : items_.end();
    const int index = static_cast<int>(position - items_.begin());
    items_.insert(position, item);
    if (itemIndex_ >= index) ++itemIndex_;
    if (HandleAllocated()) InsertListEntry(Handle(), index, item);
    return index;
}

void TComboBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) ClearListEntries(Handle());
}

void TComboBox::SetItemIndex(int index) {
    itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (HandleAllocated()) SelectListEntry(Handle(), itemIndex_);
}

// The window's height is that of the open list; the closed box takes the
// height its font gives it.
void TComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = ComboBoxClass;
    params.Style |= cbs::DropDownList | ws::VScroll;
    params.Height += ScreenPixels(DropDownCount * 13 + 2);
}

void TComboBox::WindowCreated() {
    SetListFieldHeight(Handle(), ScreenBounds().Height());
    for (std::size_t i = 0; i < items_.size(); ++i) InsertListEntry(Handle(), static_cast<int>(i), items_[i]);
    SelectListEntry(Handle(), itemIndex_);
}

void TComboBox::CommandNotified(int code) {
    if (code == cn::ListSelectionChanged) Choose(SelectedListEntry(Handle()));
}

std::string TComboBox::Text() const { return itemIndex_ >= 0 ? items_[itemIndex_] : std::string(); }

void TComboBox::Choose(int index) {
    SetItemIndex(index);
    if (OnChange) OnChange(*this);
}

}  // namespace skl
