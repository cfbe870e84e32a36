// The order of a sorted list, as the language choice relies on it: the
// system's own, by the user's regional settings (here those of English),
// letter case ignored.
#include <vector>

#include "Backend.h"
#include "framework/controls/ComboBox.h"
#include "framework/system/Locale.h"

using namespace skl;

namespace {

using SortedListConformance = conformance::Test;

}  // namespace

TEST_F(SortedListConformance, LatinCyrillicAndMixedCaseNamesTakeTheSystemsOrder) {
    TComboBox list(nullptr);
    list.Sorted = true;
    for (const char* name : {"Українська", "Zulu", "Їжак", "english", "Ёлка", "lang-x", "Іван", "Lang2", "Cz", "Єва",
                             "Йод", "русский", "Ґанок", "apple", "Ера", "Čeština", "Беларуская", "Гора", "Lang10",
                             "Иван", "Äpfel", "Deutsch", "Елена", "langx"})
        list.AddItem(name);
    EXPECT_EQ(list.Items(),
              (std::vector<std::string>{"Äpfel",  "apple", "Čeština", "Cz",      "Deutsch",    "english",
                                        "Lang10", "Lang2", "langx",   "lang-x",  "Zulu",       "Беларуская",
                                        "Гора",   "Ґанок", "Елена",   "Ёлка",    "Ера",        "Єва",
                                        "Иван",   "Йод",   "Іван",    "Їжак",    "русский",    "Українська"}));
}

TEST_F(SortedListConformance, TextsThatDifferInLetterCaseOnlyAreEqual) {
    EXPECT_EQ(CompareLocaleText("English", "ENGLISH"), 0);
    EXPECT_EQ(CompareLocaleText("українська", "Українська"), 0);
    EXPECT_EQ(CompareLocaleText("Čeština", "ČEŠTINA"), 0);
    EXPECT_EQ(CompareLocaleText("Äpfel", "äPFEL"), 0);
    EXPECT_EQ(CompareLocaleText("Ёлка", "ёЛКА"), 0);
    EXPECT_LT(CompareLocaleText("Ukraine", "Українська"), 0);
    EXPECT_GT(CompareLocaleText("Українська", "Ukraine"), 0);
}
