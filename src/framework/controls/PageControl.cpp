#include "framework/controls/PageControl.h"

namespace skl {

TTabSheet& TPageControl::AddPage(TTabSheet& page) {
    page.SetParent(this);
    pages_.push_back(&page);
    if (activePage_ < 0) activePage_ = 0;
    return page;
}

}  // namespace skl
