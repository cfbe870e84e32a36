#pragma once
// The common controls library (comctl32), loaded with the first window or
// image list of its own and not with the program: loading it costs memory
// (under Wine well over a megabyte, the fonts, icons and themes coming with
// it) that a program sitting in the notification area need not pay until it
// shows a window, and gets back once the window's controls are gone. With the
// program's manifest the library's version 6 also provides the standard
// controls (buttons, edits, lists, static texts).
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace skl {

// A class that the library provides.
bool IsCommonControlClass(const std::wstring& name);
// Loads the library and registers its classes, once until it is released.
void PrepareCommonControls();
bool CommonControlsLoaded();
// Unloads the library; no window of its classes and none of its image lists
// may be left.
void ReleaseCommonControls();

// The library's image lists.
HIMAGELIST CreateImageList(int width, int height, UINT flags, int initial, int grow);
int AddMaskedImage(HIMAGELIST list, HBITMAP bitmap, COLORREF mask);
void DestroyImageList(HIMAGELIST list);

}  // namespace skl
