// What collecting the controls makes of typed text: a whole number in its syntax's range or a
// valid address, else a refusal (-518) that leaves the values as they were.
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "NvSNMPConvert.h"
#include "ErrorCode.h"
#include "NvSNMPError.h"
#include "NvSNMPRequest2Edits.h"
#include "NvValueOctets.h"
#include "StdCtrls.h"
#include "binding_test_support.h"

using namespace bindingtest;

namespace {

constexpr const char* kRefused = nullptr;

// The code of the exception the call throws, 0 when none.
struct TypedCase {
  int syntax;
  std::vector<std::string> typed;  // one text per edit
  const char* value;               // what the variable holds afterwards; kRefused: -518
};

const TypedCase kTypedCases[] = {
    {NvSyntax::integer, {"42"}, "42"},
    {NvSyntax::integer, {"42  "}, "42"},  // a number followed by blanks is taken
    {NvSyntax::integer, {" -7"}, "-7"},
    {NvSyntax::integer, {"-2147483648"}, "-2147483648"},
    {NvSyntax::integer, {""}, kRefused},
    {NvSyntax::integer, {"ten"}, kRefused},
    {NvSyntax::integer, {"1x"}, kRefused},
    {NvSyntax::integer, {"2147483648"}, kRefused},
    {NvSyntax::integer, {"99999999999"}, kRefused},
    {NvSyntax::integer, {"-"}, kRefused},
    {NvSyntax::uinteger, {"-1"}, kRefused},
    {NvSyntax::uinteger, {"5000000000"}, kRefused},
    {NvSyntax::counter, {"4294967295"}, "4294967295"},
    {NvSyntax::guage, {"1 2"}, kRefused},
    {NvSyntax::counter64, {"18446744073709551615"}, "18446744073709551615"},
    {NvSyntax::counter64, {"9007199254740993"}, "9007199254740993"},
    {NvSyntax::counter64, {"1e3"}, kRefused},
    {NvSyntax::double_, {"2.5"}, "2.5"},
    {NvSyntax::double_, {"2.5x"}, kRefused},
    {NvSyntax::objectid, {"1.3.6.1"}, "1.3.6.1"},
    {NvSyntax::objectid, {"1.3.x"}, kRefused},
    {NvSyntax::ipaddress, {"10.0.1.255"}, "10.0.1.255"},
    {NvSyntax::ipaddress, {"300.1.1.1"}, kRefused},
    {NvSyntax::ipaddress, {"1.2.3"}, kRefused},
    {NvSyntax::ipaddress, {"1.2.3.4.5"}, kRefused},
    {NvSyntax::ipaddress, {"1.2.3.x"}, kRefused},
    {NvSyntax::ipaddress, {""}, kRefused},
    {NvSyntax::ipaddress, {"192", "168", "0", "1"}, "192.168.0.1"},
    {NvSyntax::ipaddress, {"300", "1", "1", "1"}, kRefused},
    {NvSyntax::ipaddress, {"", "", "", ""}, kRefused},
    {NvSyntax::inetaddress, {"10.1.2.3"}, "10.1.2.3"},
    {NvSyntax::inetaddress, {"256.1.2.3"}, kRefused},
    {NvSyntax::inetaddress, {""}, ""},
    {NvSyntax::octetstr, {"00e0fc"}, "00E0FC"},
    {NvSyntax::octetstr, {"12 34"}, "1234"},
    {NvSyntax::octetstr, {"12zz"}, kRefused},
    {NvSyntax::octetstr, {"0x12"}, kRefused},
    {NvSyntax::octetstr, {"AA", "BB", "", ""}, "AABB"},
    {NvSyntax::octetstr, {"AAB", "", "", ""}, kRefused},
    {NvSyntax::timeticks, {"0", "1", "2", "3", "4"}, "1:02:03.04"},
    {NvSyntax::timeticks, {"0", "1x", "2", "3", "4"}, kRefused},
};

class Collecting : public ::testing::Test {
 protected:
  template <class C>
  C* Make() {
    auto* c = new C(&form);
    c->Parent = &form;
    return c;
  }

  TForm form{nullptr};
  GuiTesting::ScriptedAnswerer answers;
};

TEST_F(Collecting, TypedTextIsTakenOnlyAsAWholeValueOfItsSyntax) {
  for (const TypedCase& c : kTypedCases) {
    const std::string what = std::to_string(c.syntax) + " \"" + c.typed[0] + "\"";
    NvSNMPRequest2Edits binding(&form);
    binding.Request.Vars.AddVar("1.3.6.1.4.1.32473.999.30.1", "Value", c.syntax, NvAccess::readwrite, nullptr);
    binding.Request.Vars.Kind = SVT_SV;
    std::vector<TCustomEdit*> edits;
    for (const std::string& text : c.typed) {
      auto* edit = Make<TEdit>();
      edit->Text = text;
      edits.push_back(edit);
    }
    if (edits.size() == 1) {
      binding.BindControl(0, edits[0]);
    } else {
      std::string format;
      for (size_t k = 0; k < edits.size(); ++k) format += "%s";
      binding.BindEdits(0, format, edits);
    }
    *binding.Request.Vars.GetVar(0)->Value = "before";
    const int code = CodeOf([&] { binding.CollectValues(); });
    if (c.value == kRefused) {
      EXPECT_EQ(code, NvErr::BadPartialValue) << what;
      EXPECT_EQ(*binding.Request.Vars.GetVar(0)->Value, "before") << what;
    } else {
      EXPECT_EQ(code, 0) << what;
      EXPECT_EQ(*binding.Request.Vars.GetVar(0)->Value, c.value) << what;
    }
  }
}

TEST_F(Collecting, RefusalNamesTheTextAndTheVariable) {
  NvSNMPRequest2Edits binding(&form);
  binding.Request.Vars.AddVar("1.3.6.1.4.1.32473.999.30.1", "VLAN ID", NvSyntax::integer, NvAccess::readwrite, nullptr);
  binding.Request.Vars.Kind = SVT_SV;
  auto* edit = Make<TEdit>();
  binding.BindControl(0, edit);
  edit->Text = "1x";
  try {
    binding.CollectValues();
    FAIL() << "1x was taken";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, NvErr::BadPartialValue);
    EXPECT_EQ(e.Message, NvErrorText(NvErr::BadPartialValue) + " \"1x\" (VLAN ID)");
  }
}

// A MAC address typed with separators is its 12 digits; any other length is refused with
// the MAC address message, in a value and in a row index alike.
TEST(MacText, SeparatorsAreDroppedAndOtherLengthsRefused) {
  const std::pair<const char*, const char*> cases[] = {
      {"00E0FC0A0B0C", "00E0FC0A0B0C"},
      {"00-11-22-33-44-55", "001122334455"},
      {"00:11:22:33:44:55", "001122334455"},
      {"0011.2233.4455", "001122334455"},
      {"00e0fc0a0b0c", "00e0fc0a0b0c"},
      {"00-11-22-33-44", nullptr},
      {"00E0FC0A0B0C1", nullptr},   // 13 digits
      {"00E0FC0A0B0C12", nullptr},  // 14 digits
      {"00-11-22-33-44-5G", nullptr},
      {"00_11_22_33_44_55", nullptr},
  };
  for (const auto& [text, hex] : cases) {
    NvSNMPVar var{};
    std::string value = text;
    var.Value = &value;
    var.Syntax = NvSyntax::macaddress;
    var.Access = NvAccess::readwrite;
    if (hex) {
      EXPECT_EQ(NvMacTextToHex(text), hex) << text;
      const NvOctets bytes = NvValueTextToOctets(text, NvSyntax::macaddress);
      std::string upper = hex;
      for (char& ch : upper) ch = char(std::toupper(static_cast<unsigned char>(ch)));
      EXPECT_EQ(NvOctetsToValueText(bytes, NvSyntax::macaddress), upper) << text;
      const std::vector<uint32_t> ids = NvEncodeIndexValue(var, true);
      ASSERT_EQ(ids.size(), 6u) << text;
      Vb vb;
      NvTextToVb(var, vb);
      OctetStr sent;
      ASSERT_EQ(vb.get_value(sent), 0) << text;
      EXPECT_EQ(sent.len(), 6u) << text;
      continue;
    }
    for (const auto& call : std::vector<std::function<void()>>{
             [&] { NvValueTextToOctets(text, NvSyntax::macaddress); },
             [&] { NvEncodeIndexValue(var, true); },
             [&] {
               Vb vb;
               NvTextToVb(var, vb);
             }}) {
      try {
        call();
        ADD_FAILURE() << text << " was taken";
      } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, NvErr::BadPartialValue) << text;
        EXPECT_EQ(e.Message.rfind("Please enter a valid MAC address!", 0), 0u) << text << ": " << e.Message;
      }
    }
  }
}

}  // namespace
