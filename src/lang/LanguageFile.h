#pragma once
// Applying a language file: every key of the built-in table, in table order,
// is read from the file's Language section with its built-in text as the
// default (a missing file or key keeps the built-in text; a value is at most
// 2047 characters) and handed to the receiver, which sets its element. The
// receiver appends the version text to Label2 and keeps Mes, Lic and Refresh
// as the help, disclaimer and refresh texts.
#include <functional>
#include <string>
#include <string_view>

#include "framework/io/IniFile.h"

namespace skl {

using TLanguageReceiver = std::function<void(std::string_view key, const std::string& text)>;

void ApplyLanguageFile(const TIniFile& file, const TLanguageReceiver& receive);

}  // namespace skl
