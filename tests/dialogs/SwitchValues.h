// What the switch holds, read beside the dialog under test; typing over an edit's text; the
// boxes of a port picker.
#pragma once

#include <string>
#include <vector>

#include "GuiTesting.h"
#include "NvSNMPRequest.h"
#include "StackingPortUitForm.h"
#include "StdCtrls.h"

namespace dialogtest {

// The value text of one object instance (full OID, ".0" for a scalar); "" when it is not there.
inline std::string SwitchValue(const std::string& instanceOid, int syntax) {
  const size_t dot = instanceOid.rfind('.');
  NvSNMPRequest request;
  request.Vars.AddVar(instanceOid.substr(0, dot).c_str(), "v", syntax, NvAccess::readwrite, nullptr);
  request.Vars.Kind = MVT_SV;
  request.Vars.InstanceSuffix = instanceOid.substr(dot + 1);
  bool ok = false;
  request.Get(ok, true);
  const std::string value = *request.Vars.GetVar(0)->Value;
  return ok && value != "(NULL)" ? value : std::string();
}

// The edit emptied, then the text typed as a user would.
inline void Retype(TCustomEdit* edit, const std::string& text) {
  edit->Text = "";
  GuiTesting::UserType(edit, text);
}

// The box of port (from 1) on the picker's first unit.
inline TCheckBox* PortBox(TStackingPortUitForm* picker, int port) {
  return static_cast<TCheckBox*>(picker->CheckBoxes->Get(port - 1));
}
// The ticked ports among the first unit's 64.
inline std::vector<int> CheckedPorts(TStackingPortUitForm* picker) {
  std::vector<int> ports;
  for (int p = 1; p <= 64; ++p)
    if (PortBox(picker, p)->Checked) ports.push_back(p);
  return ports;
}

}  // namespace dialogtest
