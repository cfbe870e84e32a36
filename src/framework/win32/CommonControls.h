#pragma once
// The common controls library (comctl32), loaded with the first window or
// image list of its own and not with the program: loading it costs memory
// (under Wine well over a megabyte, the fonts and themes coming with it) that
// a program sitting in the notification area need not pay until it shows a
// window.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace skl {

// A class that the library registers.
bool IsCommonControlClass(const std::wstring& name);
// Loads the library and registers its classes, once.
void PrepareCommonControls();

// The library's image lists.
HIMAGELIST CreateImageList(int width, int height, UINT flags, int initial, int grow);
int AddMaskedImage(HIMAGELIST list, HBITMAP bitmap, COLORREF mask);
void DestroyImageList(HIMAGELIST list);

}  // namespace skl
