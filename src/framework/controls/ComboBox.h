#pragma once
// A drop-down list with no free text; a sorted one keeps its entries in the
// system's order (CompareLocaleText), and an entry equal to one already
// there is added again, after it.
#include <string>
#include <vector>

#include "framework/controls/WinControl.h"

namespace skl {

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    const char* ClassName() const override { return "TComboBox"; }

    bool Sorted = false;

    const std::vector<std::string>& Items() const { return items_; }
    // Returns the position the entry went to.
    int AddItem(const std::string& item);
    void Clear();

    int ItemIndex() const { return itemIndex_; }
    // An index outside the entries selects nothing.
    void SetItemIndex(int index);
    // The text shown: the selected entry, or empty.
    std::string Text() const;

    // A user's choice of an entry: selects it and raises OnChange.
    void Choose(int index);
    TNotifyEvent OnChange;

    // Entries the open list shows without scrolling.
    int DropDownCount = 8;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void CommandNotified(int code) override;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

}  // namespace skl
