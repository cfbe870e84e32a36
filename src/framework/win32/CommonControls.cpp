#include "framework/win32/CommonControls.h"

#include <set>

namespace skl {

namespace {

HMODULE Library() {
    static const HMODULE library = LoadLibraryW(L"comctl32.dll");
    return library;
}

// The library's function of that name and type, once it is prepared.
template <class Function>
Function* Find(const char* name) {
    PrepareCommonControls();
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(Library(), name)));
}

}  // namespace

bool IsCommonControlClass(const std::wstring& name) {
    static const std::set<std::wstring> classes = {
        WC_TABCONTROLW, UPDOWN_CLASSW,    TOOLTIPS_CLASSW,  TOOLBARCLASSNAMEW,   REBARCLASSNAMEW, WC_LISTVIEWW,
        WC_TREEVIEWW,   WC_HEADERW,       STATUSCLASSNAMEW, PROGRESS_CLASSW,     TRACKBAR_CLASSW, WC_COMBOBOXEXW,
        HOTKEY_CLASSW,  ANIMATE_CLASSW,   WC_PAGESCROLLERW, DATETIMEPICK_CLASSW, MONTHCAL_CLASSW, WC_IPADDRESSW};
    return classes.contains(name);
}

void PrepareCommonControls() {
    static const bool prepared = [] {
        auto* initialize = reinterpret_cast<decltype(InitCommonControlsEx)*>(
            reinterpret_cast<void*>(GetProcAddress(Library(), "InitCommonControlsEx")));
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return initialize && initialize(&controls);
    }();
    (void)prepared;
}

HIMAGELIST CreateImageList(int width, int height, UINT flags, int initial, int grow) {
    auto* create = Find<decltype(ImageList_Create)>("ImageList_Create");
    return create ? create(width, height, flags, initial, grow) : nullptr;
}

int AddMaskedImage(HIMAGELIST list, HBITMAP bitmap, COLORREF mask) {
    auto* add = Find<decltype(ImageList_AddMasked)>("ImageList_AddMasked");
    return add ? add(list, bitmap, mask) : -1;
}

void DestroyImageList(HIMAGELIST list) {
    if (auto* destroy = Find<decltype(ImageList_Destroy)>("ImageList_Destroy")) destroy(list);
}

}  // namespace skl
