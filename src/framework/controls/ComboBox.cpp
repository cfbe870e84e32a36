#include "framework/controls/ComboBox.h"

#include <algorithm>
#include <cctype>

namespace skl {

namespace {

bool SortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

int TComboBox::AddItem(const std::string& item) {
    auto position = Sorted ? std::upper_bound(items_.begin(), items_.end(), item, SortsBefore) : items_.end();
    const int index = static_cast<int>(position - items_.begin());
    items_.insert(position, item);
    if (itemIndex_ >= index) ++itemIndex_;
    return index;
}

void TComboBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
}

void TComboBox::SetItemIndex(int index) {
    itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

std::string TComboBox::Text() const { return itemIndex_ >= 0 ? items_[itemIndex_] : std::string(); }

void TComboBox::Choose(int index) {
    SetItemIndex(index);
    if (OnChange) OnChange(*this);
}

}  // namespace skl
