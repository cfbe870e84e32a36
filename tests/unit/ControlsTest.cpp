#include <gtest/gtest.h>

#include "framework/controls/ComboBox.h"
#include "framework/controls/SpinEdit.h"

using namespace skl;

namespace {

struct SpinEditTest : ::testing::Test {
    SpinEditTest() {
        spin.MinValue = 1;
        spin.MaxValue = 1440;
    }
    TSpinEdit spin{nullptr};
};

}  // namespace

TEST_F(SpinEditTest, ShowsASetValueClampedAndReadsTypedTextWithinTheRange) {
    spin.SetValue(0);
    EXPECT_EQ(spin.Text(), "1");
    spin.SetValue(99999);
    EXPECT_EQ(spin.Value(), 1440);
    spin.SetText("99999");
    EXPECT_EQ(spin.Text(), "99999");
    EXPECT_EQ(spin.Value(), 1440);
    spin.SetText("-5");
    EXPECT_EQ(spin.Value(), 1);
    spin.SetText("abc");
    EXPECT_EQ(spin.Value(), 1);
}

TEST_F(SpinEditTest, StepsWithinTheRangeAndClampsWhenFocusLeaves) {
    spin.SetValue(1440);
    spin.StepUp();
    EXPECT_EQ(spin.Value(), 1440);
    spin.SetText("-5");
    spin.FocusLeft();
    EXPECT_EQ(spin.Text(), "1");
    spin.StepDown();
    EXPECT_EQ(spin.Value(), 1);
}

TEST_F(SpinEditTest, AcceptsOnlyNumberCharactersWhenTyping) {
    EXPECT_TRUE(TSpinEdit::IsValidChar('7'));
    EXPECT_TRUE(TSpinEdit::IsValidChar('-'));
    EXPECT_FALSE(TSpinEdit::IsValidChar('a'));
    EXPECT_FALSE(TSpinEdit::IsValidChar(' '));
}

TEST(ComboBox, SortedListKeepsOrderAndAddsDuplicatesAgain) {
    TComboBox combo(nullptr);
    combo.Sorted = true;
    combo.SetItemIndex(combo.AddItem("Ukraine"));
    combo.AddItem("English");
    combo.AddItem("Ukraine");
    combo.AddItem("deutsch");
    EXPECT_EQ(combo.Items(), (std::vector<std::string>{"deutsch", "English", "Ukraine", "Ukraine"}));
    EXPECT_EQ(combo.Text(), "Ukraine") << "the selection follows its entry";
}

TEST(ComboBox, AnIndexOutsideTheEntriesSelectsNothing) {
    TComboBox combo(nullptr);
    combo.AddItem("Ukraine");
    combo.SetItemIndex(0);
    combo.SetItemIndex(32);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
}

TEST(ComboBox, OnlyAUsersChoiceRaisesOnChange) {
    TComboBox combo(nullptr);
    combo.AddItem("A");
    combo.AddItem("B");
    int changes = 0;
    combo.OnChange = [&](TComponent&) { ++changes; };
    combo.SetItemIndex(1);
    EXPECT_EQ(changes, 0);
    combo.Choose(0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo.Text(), "A");
}
