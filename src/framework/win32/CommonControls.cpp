#include "framework/win32/CommonControls.h"

#include <algorithm>
#include <cwctype>
#include <mutex>
#include <set>

namespace skl {

namespace {

struct TLibrary {
    std::mutex Mutex;
    HMODULE Module = nullptr;
    bool Prepared = false;
};

TLibrary& Library() {
    static TLibrary library;
    return library;
}

// The library, loaded and its classes registered; the caller holds its lock.
HMODULE Loaded(TLibrary& library) {
    if (!library.Module) library.Module = LoadLibraryW(L"comctl32.dll");
    if (library.Module && !library.Prepared) {
        auto* initialize = reinterpret_cast<decltype(InitCommonControlsEx)*>(
            reinterpret_cast<void*>(GetProcAddress(library.Module, "InitCommonControlsEx")));
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        library.Prepared = initialize && initialize(&controls);
    }
    return library.Module;
}

// The library's function of that name and type, once it is prepared.
template <class Function>
Function* Find(const char* name) {
    TLibrary& library = Library();
    std::lock_guard hold(library.Mutex);
    HMODULE module = Loaded(library);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

std::wstring LowerCase(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

}  // namespace

bool IsCommonControlClass(const std::wstring& name) {
    static const std::set<std::wstring> classes = [] {
        std::set<std::wstring> lowerCase;
        for (const wchar_t* known :
             {WC_TABCONTROLW, UPDOWN_CLASSW, TOOLTIPS_CLASSW, TOOLBARCLASSNAMEW, REBARCLASSNAMEW, WC_LISTVIEWW,
              WC_TREEVIEWW, WC_HEADERW, STATUSCLASSNAMEW, PROGRESS_CLASSW, TRACKBAR_CLASSW, WC_COMBOBOXEXW,
              HOTKEY_CLASSW, ANIMATE_CLASSW, WC_PAGESCROLLERW, DATETIMEPICK_CLASSW, MONTHCAL_CLASSW, WC_IPADDRESSW,
              WC_BUTTONW, WC_EDITW, WC_COMBOBOXW, L"ComboLBox", WC_LISTBOXW, WC_STATICW, WC_SCROLLBARW})
            lowerCase.insert(LowerCase(known));
        return lowerCase;
    }();
    return classes.contains(LowerCase(name));
}

void PrepareCommonControls() {
    TLibrary& library = Library();
    std::lock_guard hold(library.Mutex);
    Loaded(library);
}

bool CommonControlsLoaded() {
    TLibrary& library = Library();
    std::lock_guard hold(library.Mutex);
    return library.Module != nullptr;
}

void ReleaseCommonControls() {
    TLibrary& library = Library();
    std::lock_guard hold(library.Mutex);
    if (library.Module) FreeLibrary(library.Module);
    library.Module = nullptr;
    library.Prepared = false;
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
