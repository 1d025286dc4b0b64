#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormsFixture.h"
#include "NvEditConstraint.h"
#include "NvSNMPError.h"
#include "NvValueChecks.h"

using GuiTesting::BoxKind;

namespace {

struct ExitCase {
  const char* format;
  std::string typed;
  const char* message;  // nullptr: accepted; "": refused without a box
};

const std::string kHex32 = "0123456789abcdef0123456789ABCDEF";

const ExitCase kExitCases[] = {
    {"%i{n1x65535l5}", "65535", nullptr},
    {"%i{n1x65535l5}", "1", nullptr},
    {"%i{n1x65535l5}", "0", " Please enter a number between 1 and 65535!"},
    {"%i{n1x65535l5}", "", nullptr},
    {"%i{n1x65535l5}", "65536", " Please enter a number between 1 and 65535!"},
    {"%i{n0x10}", "-0", " Please enter a number between 0 and 10!"},  // no sign where the range has none
    {"%i", "99999999999999999999", " Please enter a number between -2147483648 and 2147483647!"},
    {"%i", "-2147483648", nullptr},
    {"%i", "2147483648", " Please enter a number between -2147483648 and 2147483647!"},
    {"%i", "-", " Please enter a number between -2147483648 and 2147483647!"},
    {"%u{x10}", "11", " Please enter a number between 0 and 10!"},
    {"%f{n0.5x2.5}", "2.5", nullptr},
    {"%f{n0.5x2.5}", "0.25", " Please enter a number between 0.5 and 2.5!"},
    {"%s{l32}", "any text at all", nullptr},
    {"%s{n64x1024000}", "x", nullptr},
    {"%s{l4f}", "abc", " Please enter a string whose length is 4!"},
    {"%s{l4f}", "abcd", nullptr},
    {"%s{l4fn}", "", " Empty value is not allowed!"},
    {"%h{l32f}", kHex32.substr(1), " Please enter a hex string whose length is 32!"},
    {"%h{l32f}", kHex32, nullptr},
    {"%s{M}", "00-11-22-33-44-55", nullptr},
    {"%s{M}", "001-11-22-33-44-55", " Please enter a valid MAC address!"},
    {"%s{Mu}", "01-00-5E-00-00-01", " Please enter a valid unicast MAC address!"},
    {"%s{Mu}", "xyz", " Please enter a valid unicast MAC address!"},
    {"%s{Mm}", "01-00-5E-00-00-01", nullptr},
    {"%s{Mm}", "00-11-22-33-44-55", " Please enter a valid multicast MAC address!"},
    {"%s{I}", "192.168.0.1", nullptr},
    {"%s{I}", "1.2.3.", "Please input a valid IP."},
    {"%s{I}", "-1.2.3.4", "Please input a valid IP."},
    {"%s{I}", "256.1.1.1", "Please input a valid IP."},
    {"%s{Im}", "224.0.0.1", nullptr},
    {"%s{Im}", "223.1.1.1", " Please enter a valid multicast IP address!"},
    {"%s{I6}", kHex32, nullptr},
    {"%s{I6}", kHex32.substr(2), " Please enter a valid IPV6 address!"},
    {"%s{I6m}", "not an address", nullptr},
    {"%n,{x100}", "5,100", nullptr},
    {"%n,{x100}", "5,", " Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 100!"},
    {"%n,", "4294967296", " Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 4294967295!"},
    {"%n,{x100}", "5,101", " Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 100!"},
    {"%n,{l2}", "1,2,3", " Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 2!"},
    {"%n,{l2f}", "1", " Please enter a delimited number string with delimiter ','.\nHere,the count of the number is equal to 2!"},
};

class ExitCheck : public EditWindow, public ::testing::WithParamInterface<ExitCase> {};

}  // namespace

TEST_P(ExitCheck, AcceptsOrRefusesWithItsMessageAndRestoresTheShownValue) {
  const ExitCase& c = GetParam();
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat(c.format, {edit});
  constraint.ShowAcceptedText(edit, "(NULL)");
  edit->Text = c.typed;  // as pasted; every case's text passes the key filter unchanged
  ASSERT_EQ(edit->Text(), c.typed);
  Leave();

  if (!c.message) {
    EXPECT_TRUE(boxes.Calls().empty()) << boxes.Calls().front().text;
    EXPECT_EQ(edit->Text(), c.typed);
    return;
  }
  ASSERT_EQ(boxes.Calls().size(), 1u);
  const GuiTesting::MessageBoxCall& box = boxes.Calls().front();
  EXPECT_EQ(box.text, c.message);
  EXPECT_EQ(box.title, "NVS-7000-D");
  if (box.kind == BoxKind::MessageBox) {
    EXPECT_EQ(box.owner, form);
  }
  EXPECT_EQ(edit->Text(), "(NULL)");
  EXPECT_TRUE(edit->Focused());
}

INSTANTIATE_TEST_SUITE_P(ValueFormats, ExitCheck, ::testing::ValuesIn(kExitCases));

namespace {

struct KeyCase {
  const char* format;
  const char* keys;
  const char* left;
};

const KeyCase kKeyCases[] = {
    {"%i{n1x65535l5}", "12a", "12"},
    {"%i", "-1-2", "-12"},
    {"%u", "-5", "5"},
    {"%f", "-1.2.3", "-1.23"},
    {"%h{l32f}", "0aG1", "0a1"},
    {"%n,{x100}", "5,,6", "5,6"},
    {"%n,", ",5", "5"},
    {"%s{l8}", "a%b-c.", "a%b-c."},
    {"%i{}", "1a", "1"},
};

class KeyFilter : public EditWindow, public ::testing::WithParamInterface<KeyCase> {};

}  // namespace

TEST_P(KeyFilter, RemovesTheKeysItsConversionRefuses) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat(GetParam().format, {edit});
  Type(edit, GetParam().keys);
  EXPECT_EQ(edit->Text(), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(ValueFormats, KeyFilter, ::testing::ValuesIn(kKeyCases));

TEST_F(EditWindow, PastedTextLosesEveryRefusedCharacter) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%u", {edit});
  edit->Text = "1a2b3-";
  EXPECT_EQ(edit->Text(), "123");
}

TEST_F(EditWindow, NoValueMarksPassTheKeyFilterAndTheExitCheck) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i{n1x5}", {edit});
  edit->Text = "(NOTDONE)";
  Leave();
  EXPECT_EQ(edit->Text(), "(NOTDONE)");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(EditWindow, RefusedValueBringsBackTheValueTheBindingShowed) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i{n1x65535l5}", {edit});
  constraint.ShowAcceptedText(edit, "8080");
  edit->Text = "";
  Type(edit, "0");
  Leave();
  EXPECT_EQ(edit->Text(), "8080");
  ASSERT_EQ(boxes.Calls().size(), 1u);
}

// The switch holds a value the format would refuse: leaving it untouched is no error, and a
// refused entry puts it back once, without holding the focus.
TEST_F(EditWindow, ShownValueTheFormatRefusesLetsTheFocusGo) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i{n1x10}", {edit});
  constraint.ShowAcceptedText(edit, "42");
  Leave();
  EXPECT_TRUE(next->Focused());
  EXPECT_TRUE(boxes.Calls().empty());

  edit->SetFocus();
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return edit->Focused(); }, kWindowWaitMs));
  edit->Text = "11";
  Leave();
  EXPECT_EQ(edit->Text(), "42");
  EXPECT_EQ(boxes.Calls().size(), 1u);
  Leave();  // the put-back value leaves without a second refusal
  EXPECT_TRUE(next->Focused());
  EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_F(EditWindow, RefusedValueBringsBackTheLastValueTheUserLeftWith) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i{n1x65535l5}", {edit});
  constraint.ShowAcceptedText(edit, "8080");
  edit->Text = "100";
  Leave();
  edit->SetFocus();
  edit->Text = "70000";
  Leave();
  EXPECT_EQ(edit->Text(), "100");
}

TEST_F(EditWindow, RefusedValueOfAnEditNeverShownNorAcceptedLeavesItEmpty) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i{n1x5}", {edit});
  edit->Text = "9";
  Leave();
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(EditWindow, CheckCallbackAloneDecides) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i{n1x5Z}", {edit}, CheckZeroOr60To1000000);
  constraint.ShowAcceptedText(edit, "0");
  edit->Text = "60";  // outside n1x5, inside what the callback accepts
  Leave();
  EXPECT_TRUE(boxes.Calls().empty());
  edit->SetFocus();
  edit->Text = "59";
  Leave();
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls().front().text, "Pleaase Input a Number between 60 and 1000000 or 0.");
  EXPECT_EQ(edit->Text(), "60");
}

TEST_F(EditWindow, OwnExitHandlerRunsOnlyForAcceptedValues) {
  int exits = 0;
  edit->OnExit = [&](TObject*) { ++exits; };
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i{n1x5}", {edit});
  edit->Text = "9";
  Leave();
  EXPECT_EQ(exits, 0);
  edit->Text = "3";
  Leave();
  EXPECT_EQ(exits, 1);
}

TEST_F(EditWindow, JumpCharacterIsRemovedAndMovesTheFocusOn) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%s{e/}", {edit});
  Type(edit, "ab/");
  EXPECT_EQ(edit->Text(), "ab");
  EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return next->Focused(); }, kWindowWaitMs));
}

TEST_F(EditWindow, FullEditAdvancesToTheNextControl) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i{n0x65535l5a}", {edit});
  EXPECT_EQ(edit->MaxLength(), 5);
  Type(edit, "1234");
  Application->ProcessMessages();
  EXPECT_TRUE(edit->Focused());
  Type(edit, "5");
  EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return next->Focused(); }, kWindowWaitMs));
}

TEST_F(EditWindow, AdjoiningPiecesConstrainOneEditEach) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i{n0x255w40}%s{l3}", {edit, next});
  ASSERT_NE(constraint.FindConstraint(edit), nullptr);
  ASSERT_NE(constraint.FindConstraint(next), nullptr);
  EXPECT_EQ(constraint.FindConstraint(edit)->Maximum, 255);
  EXPECT_EQ(edit->Width(), 40);
  EXPECT_EQ(next->MaxLength(), 3);
  EXPECT_EQ(NvEditConstraint::CountPieces("%i{n0x255}%i{n0x255}%"), 2);
}

TEST_F(EditWindow, FormatWithMorePiecesThanEditsIsRefused) {
  NvEditConstraint constraint(form, 1);
  try {
    constraint.SetFormat("%i%i", {edit});
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, NvErr::TooFewControls);
  }
  EXPECT_NE(constraint.FindConstraint(edit), nullptr);
}

TEST_F(EditWindow, SecondFormatKeepsOneRecordAndRemovalRestoresTheOriginalHandlers) {
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("%i", {edit});
  constraint.SetFormat("%u{l4}", {edit});
  EXPECT_EQ(constraint.FindConstraint(edit)->Conversion, 'u');
  Type(edit, "7");
  EXPECT_EQ(changes, 1);  // the saved handler runs for accepted changes

  constraint.RemoveConstraint(edit);
  EXPECT_EQ(constraint.FindConstraint(edit), nullptr);
  Type(edit, "x");
  EXPECT_EQ(edit->Text(), "7x");
  EXPECT_EQ(changes, 2);
}

TEST_F(EditWindow, EditOutlivingItsConstraintKeepsWorking) {
  auto* constraint = new NvEditConstraint(form, 1);
  constraint->SetFormat("%u", {edit});
  delete constraint;
  Type(edit, "a");
  EXPECT_EQ(edit->Text(), "a");
}

TEST_F(EditWindow, EmptyFormatAttachesNothing) {
  NvEditConstraint constraint(form, 1);
  constraint.SetFormat("", {edit});
  EXPECT_EQ(constraint.FindConstraint(edit), nullptr);
}

namespace {

struct BadPiece {
  const char* format;
  int code;
};

const BadPiece kBadPieces[] = {
    {"%n", NvErr::BadFormatSpecifier},      {"%i{n1", NvErr::BadFormatSpecifier},
    {"%q", NvErr::BadFormatSpecifier},      {"%i{y}", NvErr::BadFormatSpecifier},
    {"i{}", NvErr::BadFormatSpecifier},     {"%s{Mn1}", NvErr::BadFormatSpecifier},
    {"%i{l5n1}", NvErr::BadFormatSpecifier}, {"%s{e}", NvErr::BadFormatSpecifier},
    {"%i{x}", NvErr::BadFormatSpecifier},   {"%i {n1}", NvErr::BadFormatSpecifier},
    {"%i{n1-2}", 0},  // a number run that is no number: the conversion's own failure
};

class BadFormat : public EditWindow, public ::testing::WithParamInterface<BadPiece> {};

}  // namespace

TEST_P(BadFormat, ThrowsBeforeAttaching) {
  NvEditConstraint constraint(form, 1);
  try {
    constraint.SetFormat(GetParam().format, {edit});
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, GetParam().code);
    if (GetParam().code) {
      EXPECT_EQ(e.Message, " Bad format specifier of edit's constraint!");
    }
  }
  EXPECT_EQ(constraint.FindConstraint(edit), nullptr);
}

INSTANTIATE_TEST_SUITE_P(ValueFormats, BadFormat, ::testing::ValuesIn(kBadPieces));
