#include "lang/LanguageFile.h"

#include "lang/BuiltInTexts.h"

namespace skl {

void ApplyLanguageFile(const TIniFile& file, const TLanguageReceiver& receive) {
    const std::string section(LanguageSection);
    for (const TLanguageText& text : BuiltInTexts)
        receive(text.Key, file.ReadString(section, std::string(text.Key), std::string(text.Text)));
}

}  // namespace skl
