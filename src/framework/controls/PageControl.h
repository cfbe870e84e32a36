#pragma once
// Pages with tabs, one page shown at a time. A page whose tab is hidden has
// no tab on the strip; it can still be the page shown. Tab goes through the
// shown page's controls; the strip itself is chosen with the mouse.
#include <vector>

#include "framework/controls/WinControl.h"

namespace skl {

class TPageControl;

class TTabSheet : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TTabSheet"; }

    // The caption is the tab's text.
    void SetCaption(const std::string& caption) override;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    friend class TPageControl;
    TPageControl* PageControl() const;
    // The page control's display area has moved.
    void Place(const TRect& area);

    bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TPageControl"; }

    TTabSheet& AddPage(TTabSheet& page);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }

    int ActivePageIndex() const { return activePage_; }
    void SetActivePageIndex(int index);

    // Where the pages go on the control, in this screen's pixels.
    TRect DisplayArea();
    // A page's tab or caption changed: the strip shows the tabs again.
    void UpdateTabs();

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    std::intptr_t Notified(const TNotification& notification) override;
    void Changed() override;

private:
    std::vector<TTabSheet*> VisibleTabs() const;
    void ShowActivePage();

    std::vector<TTabSheet*> pages_;
    int activePage_ = -1;
};

}  // namespace skl
