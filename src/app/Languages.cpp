// The language files beside the program: listed into the language choice at
// start-up, applied then and whenever the user picks another.
#include <algorithm>

#include "app/FormSkelvora1.h"
#include "lang/LanguageFile.h"

namespace skl {

void TFormSkelvora1::ListLanguages() {
    LanguageCounter = 1;
    if (FindFirst("*.lng", faAnyFile, SearchRec2) != 0) return;
    do {
        const std::string& name = SearchRec2.Name;
        const std::string language = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
        LanguageList.Put(LanguageCounter, language);
        if (!name.empty()) Layout.ComboBox1.AddItem(language);
        ++LanguageCounter;
    } while (FindNext(SearchRec2) == 0);
    FindClose(SearchRec2);
}

// Selects the first entry that equals the language name, wherever it
// stands; when none does, the choice shows nothing.
void TFormSkelvora1::SelectLanguage() {
    const std::vector<std::string>& languages = Layout.ComboBox1.Items();
    const auto found = std::find(languages.begin(), languages.end(), Lng);
    Layout.ComboBox1.SetItemIndex(found == languages.end() ? -1 : static_cast<int>(found - languages.begin()));
}

void TFormSkelvora1::Ini_Lng() {
    ApplyLanguageFile(*Ini, [this](std::string_view key, const std::string& text) {
        TMainLayout& l = Layout;
        if (key == "Tab1") l.TabSheet1.SetCaption(text);
        else if (key == "Tab2") l.TabSheet2.SetCaption(text);
        else if (key == "Hint") TrayIcon1.SetHint(text);
        else if (key == "Menu1") About1.SetCaption(text);
        else if (key == "Menu2") Options1.SetCaption(text);
        else if (key == "Menu3") Exit1.SetCaption(text);
        else if (key == "Label1") l.Label1.SetCaption(text);
        else if (key == "Label2") l.Label5.SetCaption(text + Version);
        else if (key == "Label3") l.CheckBox1.SetCaption(text);
        else if (key == "Label4") l.CheckBox2.SetCaption(text);
        else if (key == "Label5") l.Label2.SetCaption(text);
        else if (key == "Label6") l.Label3.SetCaption(text);
        else if (key == "Label7") l.Label12.SetCaption(text);
        else if (key == "Label8") l.Label13.SetCaption(text);
        else if (key == "Label9") l.Label11.SetCaption(text);
        else if (key == "Label10") l.CheckBox3.SetCaption(text);
        else if (key == "Mes") Mes = text;
        else if (key == "Lic") Lic = text;
        else if (key == "LicB") l.Button2.SetCaption(text);
        else if (key == "Button") l.Button3.SetCaption(text);
        else if (key == "Refresh") Refresh = text;
    });
}

void TFormSkelvora1::ComboBox1Change(TComponent&) {
    Ini = std::make_unique<TIniFile>(Path + Layout.ComboBox1.Text() + ".lng");
    Ini_Lng();
}

}  // namespace skl
