#include "Igmpsnoopingcleardnyipmultunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"

TIGMPSnoopingClearDnyIpMultForm* IGMPSnoopingClearDnyIpMultForm = nullptr;

namespace {
enum : int { VarVlan = 0, VarIp = 1, VarAction = 2 };
}  // namespace

TIGMPSnoopingClearDnyIpMultForm::TIGMPSnoopingClearDnyIpMultForm(TComponent* Owner)
    : TFeatureDialog(Owner, 303, 193, NvScale::Stored, NvPlacement{.Position = poDesigned, .Left = 320, .Top = 240}) {
  Name = "IGMPSnoopingClearDnyIpMultForm";
  Caption = "IGMP Snooping Clear Dynamic IP Multicast";
  Put<TLabel>(this, "LB_VID", 16, 19, 130, 13, "VLAN ID");
  edtVID = Put<TEdit>(this, "edtVID", 150, 16, 120, 21);
  Put<TLabel>(this, "LB_IPAddr", 16, 47, 130, 13, "Multicast IP Address");
  edtIPAddr = Put<TEdit>(this, "edtIPAddr", 150, 44, 120, 21);
  Put<TLabel>(this, "LB_MultAction", 16, 75, 130, 13, "Multicast Action");
  cbMultAction = Put<TComboBox>(this, "cbMultAction", 150, 72, 120, 21);
  Button1 = PutButton(this, "Button1", "Set", 114, 108, 75, 25, &TIGMPSnoopingClearDnyIpMultForm::Button1Click);
  Button2 = PutButton(this, "Button2", "Close", 195, 108, 75, 25, &TIGMPSnoopingClearDnyIpMultForm::Button2Click);
  PutStatusBar();
  OnCreate = Handler(this, &TIGMPSnoopingClearDnyIpMultForm::FormCreate);
  OnClose = Handler(this, &TIGMPSnoopingClearDnyIpMultForm::FormClose);
  DoCreate();
}

void TIGMPSnoopingClearDnyIpMultForm::FormCreate(TObject*) {
  Table = AddBlockingRequest(IgmpClearDynamicMulticastTable);
  Guarded(Table, [&] {
    Table->BindEdits(VarVlan, "%i{n0x4094l4}", edtVID);
    Table->BindEdits(VarIp, "%s{l16}", edtIPAddr);
    Table->BindControl(VarAction, cbMultAction);
    Table->Get();
  });
  DataComplete = 1;  // blocking reads only
}

void TIGMPSnoopingClearDnyIpMultForm::Button1Click(TObject*) {
  if (!Table) return;
  if (edtVID->Text().empty()) {
    Refuse("VLAN ID can't be empty.", edtVID);
    return;
  }
  if (!TypedValuesAccepted(Table, {edtVID})) return;
  if (edtIPAddr->Text().empty()) {
    Refuse("Multicast IP Address can't be empty.", edtIPAddr);
    return;
  }
  if (!IsValidIPString(edtIPAddr->Text, NvIpCheckShortTwoTexts)) {
    Refocus(edtIPAddr);
    return;
  }
  Guarded(Table, [&] {
    Table->Request.Active = 1;
    Table->Set(false, true);
  });
}

void TIGMPSnoopingClearDnyIpMultForm::Button2Click(TObject*) { Close(); }

void TIGMPSnoopingClearDnyIpMultForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
