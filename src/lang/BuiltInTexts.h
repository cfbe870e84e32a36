#pragma once
// The program's own texts, Ukrainian, by language-file key in the order in
// which a language file is applied. Language files replace them key by key.
#include <array>
#include <string_view>

namespace skl {

struct TLanguageText {
    std::string_view Key;
    std::string_view Text;
};

inline constexpr std::string_view LanguageSection = "Language";

inline constexpr std::array<TLanguageText, 21> BuiltInTexts = {{
    {"Tab1", "Опції"},
    {"Tab2", "Про програму"},
    {"Hint", "Змінювач обоїв на робочому столі"},
    {"Menu1", "Про програму"},
    {"Menu2", "Опції"},
    {"Menu3", "Вихід"},
    {"Label1", "Змінювач обоїв на робочому столі"},
    {"Label2", "Версія"},
    {"Label3", "Запускати програму при старті Windows"},
    {"Label4", "Вибирати малюнок вибірково"},
    {"Label5", "Міняти малюнок через кожних"},
    {"Label6", "хв."},
    {"Label7", "При першому запуску програма зробить в каталозі, з якого"},
    {"Label8", "запущена каталог Images."},
    {"Label9", "Помістіть свої JPG файли в каталог Images і обновіть список файлів"},
    {"Label10", "Активний робочий стіл"},
    {"Mes", "Якщо малюнки не змінюються, то включіть цю опцію, інакше краще її виключити."},
    {"Lic", "Автор не несе ніякої відповідальності за будь-які пошкодження, викликані цією програмою."},
    {"LicB", "Ліцензія"},
    {"Button", "Обновити список файлів"},
    {"Refresh", "Список файлів обновлено! Всього файлів -"},
}};

}  // namespace skl
