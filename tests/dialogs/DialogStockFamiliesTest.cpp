// The dialog stock that the later dialogs build on: placement and double scaling, request
// subclasses owned by the dialog, include boxes, the remembered STP version text, VLAN map
// texts and strict numbers.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <optional>
#include <string>

#include "DialogNumbers.h"
#include "DialogTestSupport.h"
#include "FeatureDialog.h"
#include "NvSNMPRequest2Edits.h"
#include "ShellTexts.h"
#include "StackingPortUitForm.h"
#include "TickRows.h"
#include "VlanMapText.h"

namespace {

struct PixelsPerInch {
  explicit PixelsPerInch(int ppi) { ::setenv("NV_PIXELS_PER_INCH", std::to_string(ppi).c_str(), 1); }
  ~PixelsPerInch() { ::unsetenv("NV_PIXELS_PER_INCH"); }
};

const NvSNMPVar kRows[] = {
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.2", "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.3", "Count", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.999.2.1.4", "Status", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

TEST(DialogPlacement, twice_scaled_dialogs_grow_by_1_5625_off_96_pixels_per_inch) {
  PixelsPerInch screen(120);
  TFeatureDialog twice(nullptr, 683, 623, NvScale::Twice);
  EXPECT_EQ(twice.Width(), 1066);  // 683 * 1.25 = 853, * 1.25 = 1066
  EXPECT_EQ(twice.Height(), 972);
  PixelsPerInch normal(96);
  TFeatureDialog kept(nullptr, 683, 623, NvScale::Twice);
  EXPECT_EQ(kept.Width(), 683);
}

TEST(DialogPlacement, a_dialog_opens_where_its_placement_says) {
  TFeatureDialog centred(nullptr, 400, 300, NvScale::Stored);
  EXPECT_EQ(centred.Position(), poMainFormCenter);
  TFeatureDialog designed(nullptr, 400, 300, NvScale::Stored, NvPlacement{.Position = poDesigned, .Left = 40, .Top = 30});
  EXPECT_EQ(designed.Position(), poDesigned);
  EXPECT_EQ(designed.Left(), 40);
  EXPECT_EQ(designed.Top(), 30);
  TFeatureDialog screen(nullptr, 400, 300, NvScale::Stored, NvPlacement{.Position = poScreenCenter});
  EXPECT_EQ(screen.Position(), poScreenCenter);
  TFeatureDialog client(nullptr, 361, 115, NvScale::Stored, NvPlacement{.ClientSize = true});
  EXPECT_EQ(client.ClientWidth(), 361);
  EXPECT_EQ(client.ClientHeight(), 115);
}

// A request subclass that counts its instances.
int liveRequests = 0;
class CountedRequest : public NvSNMPRequest2Edits {
 public:
  explicit CountedRequest(TForm* owner) : NvSNMPRequest2Edits(owner) { ++liveRequests; }
  ~CountedRequest() override { --liveRequests; }
};

TEST(DialogRequests, subclass_and_adopted_requests_are_freed_with_the_dialog) {
  {
    TFeatureDialog dialog(nullptr, 400, 300, NvScale::Stored);
    dialog.PutStatusBar();
    CountedRequest* request = dialog.AddRequest<CountedRequest>(kRows, MVT_UMV, 1);
    EXPECT_EQ(request->Request.Vars.GetCount(), 4);
    EXPECT_EQ(request->Request.Vars.IndexCount, 1);
    dialog.AdoptRequest(new CountedRequest(&dialog), kRows, MVT_UMV, 1);
    EXPECT_EQ(liveRequests, 2);
    dialog.CloseRequests();
    EXPECT_EQ(liveRequests, 0);
  }
  {
    TFeatureDialog dialog(nullptr, 400, 300, NvScale::Stored);
    dialog.AddRequest<CountedRequest>(kRows, MVT_UMV, 1);
    EXPECT_EQ(liveRequests, 1);
  }
  EXPECT_EQ(liveRequests, 0);  // never closed: the destructor frees it
}

TEST(DialogIncludes, the_step_carries_ticked_and_enabled_boxes_the_exempt_variable_and_unboxed_ones) {
  TFeatureDialog dialog(nullptr, 400, 300, NvScale::Stored);
  auto* request = dialog.AddRequest(kRows, MVT_UMV, 1);
  TEdit* key = dialog.Put<TEdit>(&dialog, "Key", 0, 0, 50, 21);
  TEdit* name = dialog.Put<TEdit>(&dialog, "Name", 0, 0, 50, 21);
  TEdit* count = dialog.Put<TEdit>(&dialog, "Count", 0, 0, 50, 21);
  TCheckBox* nameBox = dialog.Put<TCheckBox>(&dialog, "NameBox", 0, 0, 50, 17);
  TCheckBox* countBox = dialog.Put<TCheckBox>(&dialog, "CountBox", 0, 0, 50, 17);
  TCheckBox* statusBox = dialog.Put<TCheckBox>(&dialog, "StatusBox", 0, 0, 50, 17);
  TEdit* status = dialog.Put<TEdit>(&dialog, "Status", 0, 0, 50, 21);
  dialog.VarCount = 4;
  dialog.IndexCount = 1;
  dialog.ExemptVar = 3;
  dialog.BindEditWithInclude(request, 0, "%i", key, nullptr);
  dialog.BindEditWithInclude(request, 1, "%s", name, nameBox);
  dialog.BindEditWithInclude(request, 2, "%i", count, countBox);
  dialog.BindEditWithInclude(request, 3, "%i", status, statusBox);
  nameBox->Checked = true;
  countBox->Checked = true;
  countBox->Enabled = false;
  EXPECT_EQ(dialog.IncludedStep().Carries, (std::vector<int>{1, 3}));
  nameBox->Checked = false;
  EXPECT_EQ(dialog.IncludedStep().Carries, (std::vector<int>{3}));
}

// Rows 1 and 2 have boxes, row 3 has one that is hidden (its row is laid out away).
TEST(TickRows, a_write_carries_only_the_ticked_rows_the_user_can_see) {
  TFeatureDialog dialog(nullptr, 400, 300, NvScale::Stored);
  auto* request = dialog.AddRequest(kRows, MVT_UMV, 1);
  NvSNMPVarList& vars = request->Request.Vars;
  TEdit* name = dialog.Put<TEdit>(&dialog, "Name", 0, 0, 50, 21);
  TComboBox* status = dialog.Put<TComboBox>(&dialog, "Status", 0, 0, 50, 21);
  TCheckBox* boxes[3];
  for (TCheckBox*& box : boxes) box = dialog.Put<TCheckBox>(&dialog, "", 0, 0, 15, 17);
  NvTickRows rows;
  rows.Add(boxes[0], 1, name);
  rows.Add(boxes[1], 2);
  rows.Add(boxes[2], 3, status);
  boxes[2]->Visible = false;

  rows.TickAll();
  EXPECT_TRUE(boxes[0]->Checked() && boxes[1]->Checked());
  EXPECT_FALSE(boxes[2]->Checked());  // Check All leaves a hidden row alone
  boxes[2]->Checked = true;           // ticked before its row was hidden
  EXPECT_FALSE(rows.IsTicked(3));
  EXPECT_EQ(rows.TickedStep().Carries, (std::vector<int>{1, 2}));
  EXPECT_EQ(rows.FirstEmptyTicked(), name);
  name->Text = "core-sw";
  EXPECT_EQ(rows.FirstEmptyTicked(), nullptr);  // the hidden empty combo box does not count

  boxes[0]->Checked = false;
  {
    NvVarFlagsScope flags(vars);
    rows.LeaveOutUnticked(flags);
    EXPECT_EQ(vars.GetVar(1)->Access, NvAccess::invalid);
    EXPECT_EQ(vars.GetVar(2)->Access, NvAccess::readwrite);
    EXPECT_EQ(vars.GetVar(3)->Access, NvAccess::invalid);
  }
  EXPECT_EQ(vars.GetVar(1)->Access, NvAccess::readwrite);
  EXPECT_TRUE(rows.AnyTicked());
  rows.ClearAll();
  EXPECT_FALSE(rows.AnyTicked());
  EXPECT_FALSE(boxes[2]->Checked());
}

TEST(StpVersionText, is_kept_by_the_dialogs_until_the_main_window_holds_it) {
  NvSetStpVersionTextSource(nullptr);
  SetStpVersionText("ST_Version");
  EXPECT_EQ(StpVersionText(), "ST_Version");
  SetStpVersionText("rstp");
  EXPECT_EQ(StpVersionText(), "rstp");

  TForm mainWindow(nullptr);
  auto* held = new TStaticText(&mainWindow);
  held->Caption = "ST_Version";
  NvSetStpVersionTextSource([held] { return held; });
  EXPECT_EQ(StpVersionText(), "ST_Version");
  SetStpVersionText("mstp");
  EXPECT_EQ(held->Caption(), "mstp");
  NvSetStpVersionTextSource(nullptr);
}

TEST(VlanMapText, a_reversed_range_or_a_vlan_of_another_column_is_refused_with_a_message) {
  struct Case {
    int chunk;
    const char* text;
    const char* message;  // "" when accepted
  };
  const Case cases[] = {
      {0, "1-10,20", ""},
      {1, "513-515", ""},
      {0, "0", ""},
      {0, "10-5", "The VLAN range 10-5 ends below its start!"},
      {1, "1-3", "outside"},
      {7, "4000-4094,3000", "outside"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    GuiTesting::ScriptedAnswerer boxes;
    std::string text = c.text;
    const bool converted = VlanMapTextToBitmap(text, c.chunk);
    EXPECT_EQ(converted, std::string(c.message).empty());
    if (converted) {
      EXPECT_EQ(text.size(), 128u);
      EXPECT_TRUE(boxes.Calls().empty());
    } else {
      EXPECT_EQ(text, c.text);
      ASSERT_EQ(boxes.Calls().size(), 1u);
      EXPECT_NE(boxes.Calls()[0].text.find(c.message), std::string::npos) << boxes.Calls()[0].text;
    }
  }
  std::string bad = "1,x";
  EXPECT_THROW(VlanMapTextToBitmap(bad, 0), Exception);
}

// What is sent is the number read: a text that is not exactly a number of the range is refused.
TEST(DialogNumbers, a_number_in_range_is_exactly_digits_within_the_range) {
  const struct {
    std::string text;
    int low, high;
    std::optional<int> value;
  } cases[] = {
      {"1", 1, 4094, 1},
      {"4094", 1, 4094, 4094},
      {"0", 1, 4094, std::nullopt},      // one below
      {"4095", 1, 4094, std::nullopt},   // one above
      {"-1", 1, 4094, std::nullopt},     // would address row 4294967295
      {"-5", -10, 10, -5},
      {"+5", 1, 4094, std::nullopt},     // a sign the switch would not be sent
      {"", 1, 4094, std::nullopt},
      {" ", 1, 4094, std::nullopt},
      {" 5", 1, 4094, std::nullopt},
      {"5 ", 1, 4094, std::nullopt},
      {"5a", 1, 4094, std::nullopt},
      {"0x10", 0, 65535, std::nullopt},
      {"1e3", 0, 65535, std::nullopt},
      {"4294967295", 1, 28, std::nullopt},
      {"99999999999999999999", INT_MIN, INT_MAX, std::nullopt},
      {"\xD9\xA3", 0, 9, std::nullopt},  // an Arabic-Indic digit
      {std::string(10000, '1'), INT_MIN, INT_MAX, std::nullopt},
      {"007", 1, 28, 7},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberInRange(c.text, c.low, c.high), c.value) << c.text.substr(0, 40);
}

TEST(DialogNumbers, a_port_is_one_of_the_models_ports) {
  const std::string saved = ModelName;
  ModelName = "NVS-7000-D";
  EXPECT_EQ(ModelPort("1"), 1);
  EXPECT_EQ(ModelPort("28"), 28);
  for (const char* bad : {"0", "29", "-1", "", "+3"}) EXPECT_EQ(ModelPort(bad), std::nullopt) << bad;
  ModelName = "NVS-7000-A";
  EXPECT_EQ(ModelPort("10"), 10);
  EXPECT_EQ(ModelPort("11"), std::nullopt);
  ModelName = saved;
}

TEST(DialogNumbers, only_whole_decimal_numbers_convert) {
  EXPECT_EQ(TextToInt("4096"), 4096);
  EXPECT_EQ(TextToInt("-7"), -7);
  for (const char* bad : {"", "12a", " 1", "0x10", "99999999999"}) {
    EXPECT_THROW(TextToInt(bad), Exception) << bad;
    EXPECT_EQ(NumberOrMinusOne(bad), -1) << bad;
  }
  EXPECT_EQ(NumberOrMinusOne("+45"), 45);
  try {
    TextToInt("1a");
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "'1a' is not a valid integer value");
  }
}

}  // namespace
