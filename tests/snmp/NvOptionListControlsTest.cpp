#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "NvOptionList.h"
#include "StdCtrls.h"

namespace {

const NvOptionPair DisabledEnabled[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};

TEST(NvOptionListControls, ComboBoxSelectsByNameThenByValue) {
  NvOptionList list(DisabledEnabled);
  TComboBox combo(nullptr);
  combo.Items->Add("left over");
  list.FillComboBox(&combo);
  ASSERT_EQ(combo.Items->Count, 2);
  EXPECT_EQ(combo.Items->Strings[0], "disabled");
  EXPECT_EQ(combo.Items->Strings[1], "enabled");
  const std::pair<const char*, int> cases[] = {{"3", 1}, {"Enabled", 1}, {"disabled", 0}, {"2", 0},
                                               {"4", -1}, {"(NULL)", -1}, {"on", -1}};
  for (const auto& [text, index] : cases) {
    combo.ItemIndex = 0;
    list.SelectInComboBox(&combo, text);
    EXPECT_EQ(combo.ItemIndex, index) << text;
  }
}

TEST(NvOptionListControls, RadioGroupSelectsByNameThenByValue) {
  NvOptionList list(DisabledEnabled);
  TRadioGroup group(nullptr);
  list.FillRadioGroup(&group);
  ASSERT_EQ(group.Items->Count, 2);
  list.SelectInRadioGroup(&group, "3");
  EXPECT_EQ(group.ItemIndex, 1);
  list.SelectInRadioGroup(&group, "DISABLED");
  EXPECT_EQ(group.ItemIndex, 0);
  list.SelectInRadioGroup(&group, "7");
  EXPECT_EQ(group.ItemIndex, -1);
}

TEST(NvOptionListControls, SelectingInAControlFilledElsewhereNeverPointsPastItsItems) {
  NvOptionList list(DisabledEnabled);
  TComboBox combo(nullptr);
  combo.Items->Add("only");
  list.SelectInComboBox(&combo, "enabled");
  EXPECT_EQ(combo.ItemIndex, -1);
}

}  // namespace
