#pragma once
// The system's modal message box.
#include <string>

namespace skl {

enum class TMessageBoxIcon { None, Error };

// The text and an OK button, under the caption; returns once it is closed.
void ShowMessageBox(const std::string& text, const std::string& caption, TMessageBoxIcon icon);

}  // namespace skl
