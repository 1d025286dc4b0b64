// The value-format engine: every value format the catalogue and the dialogs use, bound to a
// variable of a syntax they bind it to, crossed with arbitrary typed text. Each input shows
// a value read from the switch, types text into the edits, checks them as leaving each edit
// does, collects them into the value and shows the result again. A refusal must be a
// message box or the program's own Exception; nothing may crash, hang or leak.
//
// Input: format byte, syntax byte, the value read (length-prefixed), then the typed texts,
// one per edit, separated by 0x1F.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Exception.h"
#include "Forms.h"
#include "FuzzSupport.h"
#include "GuiTesting.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPVar.h"
#include "StdCtrls.h"

namespace {

const char* const kFormats[] = {
    "%f", "%h", "%i", "%n", "%s", "%u", "%i{Z}", "%s{I}", "%s{I6}", "%s{I6m}", "%s{Im}", "%s{M}", "%s{Mm}",
    "%s{Mu}", "%h{l8f}", "%h{l32}", "%h{l32f}", "%s{l2}", "%s{l4}", "%s{l4f}", "%s{l4fn}", "%s{l8}", "%s{l12}",
    "%s{l15}", "%s{l16}", "%s{l22}", "%s{l24}", "%s{l32}", "%s{l32f}", "%s{l64}", "%s{l128}", "%s{l254}",
    "%s{l256}", "%s{l512}", "%s{n64x1024000}", "%n,{x100}", "%n,", "%f{n0.5x2.5}",
    "%i{n-1x255l3}", "%i{n-1x7l2}", "%i{n0x10000l5}", "%i{n0x1024000l7}", "%i{n0x128l3}", "%i{n0x1440l4}",
    "%i{n0x255l3}", "%i{n0x255}", "%i{n0x255}%i{n0x255}", "%i{n0x255}%i{n0x255}%i{n0x255}%i{n0x255}",
    "%i{n0x300l3}", "%i{n0x31}", "%i{n0x4094l4}", "%i{n0x4294967295l10}", "%i{n0x512l3}", "%i{n0x61440l5}",
    "%i{n0x63l2}", "%i{n0x65535l5a}", "%i{n0x65535l5}", "%i{n0x7l1}", "%i{n0x8l1}", "%i{n10000x900000l6}",
    "%i{n1000x16800l5}", "%i{n1000x60000l5}", "%i{n100x200l3a}", "%i{n100x255l3}", "%i{n10x2000l4}",
    "%i{n10x65535l5}", "%i{n120x600l3}", "%i{n14881x89286000l8}", "%i{n1x1024l4}", "%i{n1x10l2a}",
    "%i{n1x11}", "%i{n1x14}", "%i{n1x16l2}", "%i{n1x200}", "%i{n1x2147483647l10}", "%i{n1x255l3}",
    "%i{n1x25l2}", "%i{n1x32767l5}", "%i{n1x32l2a}", "%i{n1x4094l4}", "%i{n1x4095l4}", "%i{n1x4096l4}",
    "%i{n1x500l3}", "%i{n1x512l3}", "%i{n1x5l1}", "%i{n1x65535l5}", "%i{n1x8192l4}", "%i{n1x8l1}",
    "%i{n20x100l3}", "%i{n2x10l2}", "%i{n2x20l2}", "%i{n2x4094l4}", "%i{n30x120l3}", "%i{n30x90l2}",
    "%i{n30x99999l5}", "%i{n37x370l3}", "%i{n400x3000l4a}", "%i{n5x12l5}", "%i{n5x32768l5}",
    "%i{n5x3600l4}", "%i{n600x4000l4a}", "%i{n60x86400l5}", "%i{n6x40l2a}", "%u%u%u%u%u",
    "%h%h%h%h%h%h", "%u%u%u%u%u%u%u%s%u%u",
};
constexpr size_t kFormatCount = sizeof kFormats / sizeof kFormats[0];

const int kSyntaxes[] = {
    NvSyntax::integer,   NvSyntax::uinteger,   NvSyntax::counter,     NvSyntax::guage,     NvSyntax::timeticks,
    NvSyntax::counter64, NvSyntax::ipaddress,  NvSyntax::octetstr,    NvSyntax::displaystr, NvSyntax::macaddress,
    NvSyntax::bitlist,   NvSyntax::ipv6address, NvSyntax::inetaddress, NvSyntax::objectid,  NvSyntax::datetime,
    NvSyntax::double_,   NvSyntax::boolean,
};
constexpr size_t kSyntaxCount = sizeof kSyntaxes / sizeof kSyntaxes[0];
constexpr int kMostEdits = 10;

struct Window {
  Window() {
    Application->Initialize();
    form = std::make_unique<TForm>(nullptr);
    for (int k = 0; k < kMostEdits; ++k) {
      auto* edit = new TEdit(form.get());
      edit->Parent = form.get();
      edits.push_back(edit);
    }
    form->Show();
  }
  std::unique_ptr<TForm> form;
  std::vector<TCustomEdit*> edits;
  GuiTesting::ScriptedAnswerer boxes;  // every refusal's box is answered at once
};

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == '\x1F')
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Window* window = new Window;  // lives for the process, as the program's main form does
  fuzz::Input in(data, size);
  const std::string format = kFormats[in.Byte() % kFormatCount];
  const int syntax = kSyntaxes[in.Byte() % kSyntaxCount];
  std::string read = in.Bytes(80);
  const std::vector<std::string> typed = Split(in.Rest());

  NvSNMPRequest2Edits binding(window->form.get());
  binding.Request.Vars.AddVar("1.3.6.1.4.1.32473.999.30.1", "Value", syntax, NvAccess::readwrite, nullptr);
  binding.Request.Vars.Kind = SVT_SV;
  binding.FallbackPortCount = 28;
  const int pieces = NvEditConstraint::CountPieces(format);
  try {
    binding.BindEdits(0, format, window->edits);
    *binding.Request.Vars.GetVar(0)->Value = read;
    binding.ValuesToControls(-1);  // show what the switch holds
  } catch (const Exception&) {
  }
  for (int k = 0; k < pieces && k < kMostEdits; ++k) {
    auto* edit = window->edits[size_t(k)];
    if (size_t(k) < typed.size()) edit->Text = typed[size_t(k)];  // the key filter runs on it
    binding.Constraint->CheckText(edit);                          // as leaving the edit
  }
  try {
    binding.CollectValues();
    binding.ValuesToControls(-1);  // and show what was collected
  } catch (const Exception&) {
  }
  return 0;
}
