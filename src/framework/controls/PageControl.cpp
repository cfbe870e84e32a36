#include "framework/controls/PageControl.h"

#include <algorithm>
#include <iterator>

namespace skl {

void TTabSheet::SetCaption(const std::string& caption) {
    TWinControl::SetCaption(caption);
    if (TPageControl* pages = PageControl()) pages->UpdateTabs();
}

void TTabSheet::SetTabVisible(bool visible) {
    if (visible == tabVisible_) return;
    tabVisible_ = visible;
    if (TPageControl* pages = PageControl()) pages->UpdateTabs();
}

// A page fills the tab control's display area and holds controls of its own.
void TTabSheet::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    if (TPageControl* pages = PageControl()) {
        const TRect area = pages->DisplayArea();
        params.X = area.Left;
        params.Y = area.Top;
        params.Width = area.Width();
        params.Height = area.Height();
    }
    params.Style |= ws::ClipChildren;
    params.ExStyle |= wsex::ControlParent;
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::Place(const TRect& area) {
    if (HandleAllocated()) Window()->SetBounds(area.Left, area.Top, area.Width(), area.Height());
}


TTabSheet& TPageControl::AddPage(TTabSheet& page) {
    page.SetParent(this);
    pages_.push_back(&page);
    if (activePage_ < 0) activePage_ = 0;
    ShowActivePage();
    UpdateTabs();
    return page;
}

void TPageControl::SetActivePageIndex(int index) {
    activePage_ = index >= 0 && index < PageCount() ? index : -1;
    ShowActivePage();
    UpdateTabs();
}

TRect TPageControl::DisplayArea() { return TabDisplayArea(Handle()); }

std::vector<TTabSheet*> TPageControl::VisibleTabs() const {
    std::vector<TTabSheet*> tabs;
    std::copy_if(pages_.begin(), pages_.end(), std::back_inserter(tabs),
                 [](TTabSheet* page) { return page->TabVisible(); });
    return tabs;
}

void TPageControl::UpdateTabs() {
    if (!HandleAllocated()) return;
    const std::vector<TTabSheet*> tabs = VisibleTabs();
    std::vector<std::string> captions;
    for (TTabSheet* page : tabs) captions.push_back(page->Caption());
    SetTabs(Handle(), captions);
    auto active = std::find(tabs.begin(), tabs.end(), activePage_ >= 0 ? &Page(activePage_) : nullptr);
    SelectTab(Handle(), active == tabs.end() ? -1 : static_cast<int>(active - tabs.begin()));
}

void TPageControl::ShowActivePage() {
    for (int i = 0; i < PageCount(); ++i) Page(i).SetVisible(i == activePage_);
}

void TPageControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = TabControlClass;
    params.Style |= ws::ClipChildren;
    params.ExStyle |= wsex::ControlParent;
}

void TPageControl::WindowCreated() { UpdateTabs(); }

// A tab chosen by the user shows its page.
std::intptr_t TPageControl::Notified(const TNotification& notification) {
    if (notification.Code == cn::TabSelectionChanged) {
        const std::vector<TTabSheet*> tabs = VisibleTabs();
        const int tab = SelectedTab(Handle());
        if (tab >= 0 && tab < static_cast<int>(tabs.size()))
            activePage_ = static_cast<int>(
                std::find(pages_.begin(), pages_.end(), tabs[static_cast<std::size_t>(tab)]) - pages_.begin());
        ShowActivePage();
    }
    return 0;
}

// The tabs grow with the font: the pages follow the display area.
void TPageControl::Changed() {
    TWinControl::Changed();
    if (!HandleAllocated()) return;
    const TRect area = DisplayArea();
    for (TTabSheet* page : pages_) page->Place(area);
}

}  // namespace skl
