#pragma once
// Pages with tabs, one page shown at a time.
#include <vector>

#include "framework/controls/WinControl.h"

namespace skl {

class TTabSheet : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TTabSheet"; }
    bool TabVisible = true;
};

class TPageControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TPageControl"; }

    TTabSheet& AddPage(TTabSheet& page);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet& Page(int index) const { return *pages_.at(index); }

    int ActivePageIndex() const { return activePage_; }
    void SetActivePageIndex(int index) { activePage_ = index >= 0 && index < PageCount() ? index : -1; }

private:
    std::vector<TTabSheet*> pages_;
    int activePage_ = -1;
};

}  // namespace skl
