#include "framework/system/MessageBox.h"

#include <windows.h>

#include "framework/win32/WideText.h"

namespace skl {

void ShowMessageBox(const std::string& text, const std::string& caption, TMessageBoxIcon icon) {
    UINT style = MB_OK;
    if (icon == TMessageBoxIcon::Error) style |= MB_ICONERROR;
    MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(caption).c_str(), style);
}

}  // namespace skl
