#include "FormHelpers.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "Dialogs.h"
#include "Exception.h"
#include "NvSNMPRequest2Edits.h"
#include "StdCtrls.h"

NvVlanFlags VlanFlags{};

bool DeleteRowAllowed(NvSNMPRequest2Edits* binding) {
  if (binding->Reading()) {
    ShowMessage("Get data not complete");
    return false;
  }
  return binding->ListView && binding->ListView->Selected();
}

void ConfirmDeleteRow(NvSNMPRequest2Edits* binding, int statusColumn, const std::string& deleteValue) {
  if (!DeleteRowAllowed(binding)) return;
  if (MessageDlg("Are you sure to delete it?", mtConfirmation, mbOKCancel, 0) != mrOk) return;
  // A walk overwrites the variables with every row it reads: the selected row's values go
  // back into them just before the SET.
  if (!DeleteRowAllowed(binding)) return;
  binding->ReadSelectedRow();

  NvSNMPVarList& vars = binding->Request.Vars;
  const uint8_t asynchronous = binding->Asynchronous;
  std::vector<int> flagged;
  binding->Asynchronous = 0;
  binding->Request.Active = 1;
  for (int i = vars.IndexCount; i < vars.GetCount(); ++i) {
    if (i == statusColumn || (vars.GetVar(i)->Access & NvAccess::invalid)) continue;
    vars.GetVar(i)->Access |= NvAccess::invalid;
    flagged.push_back(i);
  }
  try {
    *vars.GetVar(statusColumn)->Value = deleteValue;
    binding->Set(false, false);
  } catch (const std::exception& e) {
    binding->ShowStatus(e.what());
  }
  // Left-out columns and the binding's mode come back whatever the SET did.
  for (int i : flagged) vars.GetVar(i)->Access &= ~NvAccess::invalid;
  binding->Asynchronous = asynchronous;
  binding->Get();
}

namespace {

template <class Action>
void ForOwnedControls(TComponent* owner, Action&& action) {
  for (int i = 0; i < owner->ComponentCount; ++i) action(owner->GetComponent(i));
}

void SetControlsEnabled(TComponent* owner, bool edits, bool combos, bool checks, bool enabled) {
  const TColor background = enabled ? clWindow : clBtnFace;
  ForOwnedControls(owner, [&](TComponent* c) {
    if (auto* edit = dynamic_cast<TEdit*>(c); edit && edits) {
      edit->Enabled = enabled;
      edit->Color = background;
    } else if (auto* combo = dynamic_cast<TComboBox*>(c); combo && combos) {
      combo->Enabled = enabled;
      combo->Color = background;
    } else if (auto* box = dynamic_cast<TCheckBox*>(c); box && checks) {
      box->Enabled = enabled;
    }
  });
}

[[noreturn]] void NotAWholeNumber(const std::string& text) {
  throw Exception("'" + text + "' is not a valid integer value");
}

// A whole decimal number, blanks around it allowed; no sign, since "-" separates ranges.
long long VlanNumber(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
  if (b == e || e - b > 9) NotAWholeNumber(text);
  long long n = 0;
  for (size_t i = b; i < e; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) NotAWholeNumber(text);
    n = n * 10 + (text[i] - '0');
  }
  return n;
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> items;
  size_t start = 0;
  for (;;) {
    size_t at = text.find(separator, start);
    items.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return items;
    start = at + 1;
  }
}

}  // namespace

void ResetFormControls(TComponent* owner, bool edits, bool combos, bool checks) {
  ForOwnedControls(owner, [&](TComponent* c) {
    if (auto* edit = dynamic_cast<TEdit*>(c); edit && edits) {
      edit->Text = "";
    } else if (auto* combo = dynamic_cast<TComboBox*>(c); combo && combos) {
      combo->Text = "";
      combo->ItemIndex = 0;
    } else if (auto* box = dynamic_cast<TCheckBox*>(c)) {
      box->Checked = !checks;
    }
  });
}

void DisableFormControls(TComponent* owner, bool edits, bool combos, bool checks) {
  SetControlsEnabled(owner, edits, combos, checks, false);
}

void EnableFormControls(TComponent* owner, bool edits, bool combos, bool checks) {
  SetControlsEnabled(owner, edits, combos, checks, true);
}

bool ParseVlanList(const std::string& text, int chunk) {
  VlanFlags.fill(0);
  const long long first = 512LL * chunk + 1, last = first + 511;
  // Each chunk's edit holds only its own VLANs: folding 1000 into "1-512" would write VLAN 488.
  auto inChunk = [&](long long n) {
    if (n < 1 || (n >= first && n <= last)) return true;
    ShowMessage("VLAN " + std::to_string(n) + " is outside the range " + std::to_string(first) + "-" +
                std::to_string(last) + " of this list!");
    return false;
  };
  for (const std::string& item : SplitAt(text, ',')) {
    size_t dash = item.find('-');
    if (dash == std::string::npos) {
      long long n = VlanNumber(item);
      if (!inChunk(n)) return false;
      if (n >= 1) VlanFlags[(n - 1) % 512] = 1;
      continue;
    }
    long long start = VlanNumber(item.substr(0, dash));
    long long end = VlanNumber(item.substr(dash + 1));
    if (end < start) return false;
    if (!inChunk(start) || !inChunk(end)) return false;
    for (long long n = std::max(start, 1LL); n <= end; ++n) VlanFlags[(n - 1) % 512] = 1;
  }
  return true;
}

std::string ReversedVlanRange(const std::string& text) {
  for (const std::string& item : SplitAt(text, ',')) {
    const size_t dash = item.find('-');
    if (dash != std::string::npos && VlanNumber(item.substr(dash + 1)) < VlanNumber(item.substr(0, dash))) return item;
  }
  return std::string();
}

bool VlanListToBitmap(std::string& text, int chunk) {
  if (!ParseVlanList(text, chunk)) return false;
  std::string hex;
  hex.reserve(128);
  for (int k = 0; k < 64; ++k) {
    int byte = 0;
    for (int bit = 0; bit < 8; ++bit)
      if (VlanFlags[8 * k + bit]) byte |= 0x80 >> bit;
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    hex += digits;
  }
  text = hex;
  return true;
}

std::string BitmapToVlanList(const std::string& hex, int chunk, bool bracket) {
  auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
  };
  std::vector<bool> bits;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    int byte = digit(hex[i]) * 16 + digit(hex[i + 1]);
    for (int bit = 0; bit < 8; ++bit) bits.push_back((byte & (0x80 >> bit)) != 0);
  }
  const long long base = 512LL * chunk + 1;
  std::string list;
  for (size_t j = 0; j < bits.size();) {
    if (!bits[j]) {
      ++j;
      continue;
    }
    size_t end = j;
    while (end + 1 < bits.size() && bits[end + 1]) ++end;
    if (!list.empty()) list += ",";
    list += std::to_string(base + j);
    if (end > j) list += "-" + std::to_string(base + end);
    j = end + 1;
  }
  if (list.empty()) list = "0";
  if (bracket) list += "[" + hex + "]";
  return list;
}
