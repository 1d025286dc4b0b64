// Read, show, collect untouched, write: every syntax and control kind the binding offers
// sends the switch back what it read.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ExtCtrls.h"
#include "NvSNMPRequest2Edits.h"
#include "StdCtrls.h"
#include "binding_test_support.h"

using namespace bindingtest;

namespace {

const std::string kRoundTrip = "1.3.6.1.4.1.32473.999.23";

const NvOptionPair kThreeStates[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
NvOptionList& ThreeStates() {
  static NvOptionList list(kThreeStates);
  return list;
}

std::string Positions(int first, int count) {
  std::string out;
  for (int p = first; p < first + count; ++p) out += (out.empty() ? "" : ",") + std::to_string(p);
  return out;
}

class RoundTrip : public ::testing::Test {
 public:
  void SetUp() override { Sim()->clearSetLog(); }

  template <class C>
  C* Make() {
    auto* c = new C(&form);
    c->Parent = &form;
    return c;
  }
  std::vector<TCustomEdit*> Edits(int count) {
    std::vector<TCustomEdit*> edits;
    for (int k = 0; k < count; ++k) edits.push_back(Make<TEdit>());
    return edits;
  }
  // A blocking binding of one scalar of the simulated switch.
  std::unique_ptr<NvSNMPRequest2Edits> Scalar(const std::string& oid, int syntax, NvOptionList* options = nullptr) {
    auto binding = std::make_unique<NvSNMPRequest2Edits>(&form);
    Point(*binding);
    binding->Asynchronous = 0;
    binding->Request.Vars.AddVar(oid.c_str(), "Value", syntax, NvAccess::readwrite, options);
    binding->Request.Vars.Kind = SVT_SV;
    return binding;
  }
  std::vector<TCheckBox*> Boxes(int count) {
    std::vector<TCheckBox*> boxes;
    for (int k = 0; k < count; ++k) boxes.push_back(Make<TCheckBox>());
    return boxes;
  }

  TForm form{nullptr};
  GuiTesting::ScriptedAnswerer answers;
};

struct Case {
  int column;               // the scalar .23.<column>.0
  int syntax;
  NvOptionList* options;
  const char* sent;         // the SET log's value: type and value as seeded
  std::function<void(RoundTrip&, NvSNMPRequest2Edits&)> bind;
};

TEST_F(RoundTrip, ValueReadAndWrittenBackUntouchedReachesTheSwitchAsRead) {
  auto edit = [](const char* format, int count) {
    return [=](RoundTrip& t, NvSNMPRequest2Edits& b) { b.BindEdits(0, format, t.Edits(count)); };
  };
  const Case cases[] = {
      {1, NvSyntax::integer, nullptr, "2:-5", edit("%i", 1)},
      {2, NvSyntax::counter, nullptr, "65:4294967295", edit("%u", 1)},
      {3, NvSyntax::guage, nullptr, "66:7",
       [](RoundTrip& t, NvSNMPRequest2Edits& b) { b.BindStaticText(0, t.Make<TStaticText>()); }},
      {4, NvSyntax::timeticks, nullptr, "67:8640100", edit("%u%u%u%u%u", 5)},
      {5, NvSyntax::ipaddress, nullptr, "64:10.1.2.3", edit("%i{n0x255}%i{n0x255}%i{n0x255}%i{n0x255}", 4)},
      {5, NvSyntax::ipaddress, nullptr, "64:10.1.2.3", edit("%s{I}", 1)},
      {6, NvSyntax::octetstr, nullptr, "4x:AABB3344", edit("%h", 1)},
      {6, NvSyntax::octetstr, nullptr, "4x:AABB3344", edit("%h%h%h%h%h%h", 6)},
      {7, NvSyntax::octetstr, nullptr, "4:", edit("%h", 1)},
      {8, NvSyntax::macaddress, nullptr, "4x:00E0FC0A0B0C", edit("%s{M}", 1)},
      {8, NvSyntax::macaddress, nullptr, "4x:00E0FC0A0B0C", edit("%h%h%h%h%h%h", 6)},
      {9, NvSyntax::objectid, nullptr, "6:1.3.6.1.4.1.32473", edit("%s", 1)},
      {10, NvSyntax::counter64, nullptr, "70:9007199254740993", edit("%s", 1)},
      {11, NvSyntax::datetime, nullptr, "4x:07DB03040D1E0F002D0400", edit("%s", 1)},
      {11, NvSyntax::datetime, nullptr, "4x:07DB03040D1E0F002D0400", edit("%u%u%u%u%u%u%u%s%u%u", 10)},
      {12, NvSyntax::ipv6address, nullptr, "4x:FE800000000000000000000000000001", edit("%h", 1)},
      {13, NvSyntax::inetaddress, nullptr, "4x:0A000001", edit("%u%u%u%u", 4)},
      {14, NvSyntax::inetaddress, nullptr, "4:", edit("%s", 1)},
      {15, NvSyntax::displaystr, nullptr, "4:core-switch-long-name",
       [](RoundTrip& t, NvSNMPRequest2Edits& b) {
         b.BindLabel(0, t.Make<TLabel>());
         b.BindEdits(0, "%s", t.Edits(1));
       }},
      // A port picker's 64 boxes on a list of 32 octets.
      {16, NvSyntax::bitlist, nullptr,
       "4x:FF000000000000000000000000000000000000000000000000000000000000A1",
       [](RoundTrip& t, NvSNMPRequest2Edits& b) {
         TList boxes;
         for (TCheckBox* box : t.Boxes(64)) boxes.Add(box);
         b.BindControlList(0, Positions(0, 64), &boxes);
       }},
      {16, NvSyntax::bitlist, nullptr,
       "4x:FF000000000000000000000000000000000000000000000000000000000000A1", edit("%s", 1)},
      {17, NvSyntax::integer, &ThreeStates(), "2:3",
       [](RoundTrip& t, NvSNMPRequest2Edits& b) { b.BindControl(0, t.Make<TCheckBox>()); }},
      {18, NvSyntax::integer, &StateList(), "2:7",
       [](RoundTrip& t, NvSNMPRequest2Edits& b) { b.BindControl(0, t.Make<TComboBox>()); }},
      {18, NvSyntax::integer, &StateList(), "2:7",
       [](RoundTrip& t, NvSNMPRequest2Edits& b) { b.BindControl(0, t.Make<TRadioGroup>()); }},
      // Two groups of eight boxes on one 16-port list.
      {19, NvSyntax::bitlist, nullptr, "4x:A001",
       [](RoundTrip& t, NvSNMPRequest2Edits& b) {
         const std::vector<TCheckBox*> boxes = t.Boxes(16);
         b.BindCheckBoxes(0, Positions(0, 8), {boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], boxes[5],
                                               boxes[6], boxes[7]});
         b.BindCheckBoxes(0, Positions(8, 8), {boxes[8], boxes[9], boxes[10], boxes[11], boxes[12], boxes[13],
                                               boxes[14], boxes[15]});
       }},
      {20, NvSyntax::integer, nullptr, "2:42",
       [](RoundTrip& t, NvSNMPRequest2Edits& b) { b.BindLabel(0, t.Make<TLabel>()); }},
      {20, NvSyntax::integer, nullptr, "2:42", edit("%i{n1x10}", 1)},  // shown though out of the format's range
      {21, NvSyntax::boolean, nullptr, "2:1",
       [](RoundTrip& t, NvSNMPRequest2Edits& b) { b.BindControl(0, t.Make<TCheckBox>()); }},
      {23, NvSyntax::displaystr, nullptr, "4:", edit("%s", 1)},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string oid = kRoundTrip + "." + std::to_string(c.column);
    SCOPED_TRACE("case " + std::to_string(n++) + ": " + oid);
    const auto owned = Scalar(oid, c.syntax, c.options);
    NvSNMPRequest2Edits& binding = *owned;
    c.bind(*this, binding);
    ASSERT_TRUE(binding.Get());
    Sim()->clearSetLog();
    try {
      EXPECT_TRUE(binding.Set(false, true));
    } catch (const Exception& e) {
      ADD_FAILURE() << e.Message;
    }
    EXPECT_EQ(Sim()->setLog(), (std::vector<std::string>{oid + ".0=" + c.sent}));
  }
  EXPECT_TRUE(answers.Calls().empty());
}

// What the user changed is what changes: one box of the picker, one octet's edit.
TEST_F(RoundTrip, ChangedControlChangesOnlyItsPart) {
  const std::string oid = kRoundTrip + ".16";
  const auto ports = Scalar(oid, NvSyntax::bitlist);
  TList boxes;
  for (TCheckBox* box : Boxes(64)) boxes.Add(box);
  ports->BindControlList(0, Positions(0, 64), &boxes);
  ASSERT_TRUE(ports->Get());
  static_cast<TCheckBox*>(boxes.Get(8))->Checked = true;  // port 9
  Sim()->clearSetLog();
  ASSERT_TRUE(ports->Set(false, true));
  EXPECT_EQ(Sim()->setLog(),
            (std::vector<std::string>{oid + ".0=4x:FF800000000000000000000000000000000000000000000000000000000000A1"}));

  // Clearing the last of six octet edits shortens the value; no byte of the old one stays.
  const std::string octets = kRoundTrip + ".6";
  const auto split = Scalar(octets, NvSyntax::octetstr);
  const std::vector<TCustomEdit*> edits = Edits(6);
  split->BindEdits(0, "%h%h%h%h%h%h", edits);
  ASSERT_TRUE(split->Get());
  ASSERT_EQ(edits[3]->Text(), "44");
  edits[2]->Text = "";
  edits[3]->Text = "";
  Sim()->clearSetLog();
  ASSERT_TRUE(split->Set(false, true));
  EXPECT_EQ(Sim()->setLog(), (std::vector<std::string>{octets + ".0=4x:AABB"}));
  EXPECT_TRUE(answers.Calls().empty());
}

// A table whose selected row is written with some columns left out, and whose index is bound
// to no control: the row written is the selected one, its cells in their own variables.
TEST_F(RoundTrip, SelectedRowKeepsItsCellsWhenColumnsAreLeftOut) {
  NvSNMPRequest2Edits binding(&form);
  Point(binding);
  binding.Asynchronous = 0;
  UseTable(binding.Request);
  auto* list = Make<TListView>();
  binding.BindListView(list, true);
  auto* name = Make<TEdit>();
  binding.BindEdits(1, "%s", name);
  ASSERT_TRUE(binding.Get());
  ASSERT_EQ(list->Items->Count, 3);
  list->Selected = list->Items->Item[1];
  ASSERT_EQ(name->Text(), "vlan-b");
  name->Text = "renamed";
  // Only the name goes: the port list and the state are left out of this SET.
  binding.Request.Vars.GetVar(2)->Access = NvAccess::invalid;
  binding.Request.Vars.GetVar(3)->Access = NvAccess::invalid;
  Sim()->clearSetLog();
  ASSERT_TRUE(binding.Set(false, true));
  EXPECT_EQ(Sim()->setLog(), (std::vector<std::string>{kTable + ".2.2=4:renamed"}));
  EXPECT_TRUE(answers.Calls().empty());
  name->Text = "vlan-b";  // the other tests of this program expect the seeded row
  EXPECT_TRUE(binding.Set(false, true));
}

}  // namespace
