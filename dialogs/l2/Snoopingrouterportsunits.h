// The snooping router-port dialogs, IGMP (IPv4) and MLD (IPv6): per VLAN the static router
// ports the operator sets, the dynamic ones the switch has learned (shown only) and the
// forbidden ones, each set in a port picker on its own tab. Set writes the chosen VLAN's static
// and forbidden sets in one SET; the table is read again once the switch has answered.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

struct NvRouterPortsKind {
  const char* Name;          // the form's name
  const char* Caption;       // the designed caption
  int Width, Height;         // stored outer size
  NvScale Scale;
  NvPlacement Placement;
  const NvSNMPVar* Table;
  const char* VlanLabel;
  bool HasStop;              // a Stop button and a close query while a walk runs
  const char* CloseName;
};

class TSnoopingRouterPortsForm : public TFeatureDialog {
 public:
  TSnoopingRouterPortsForm(TComponent* Owner, const NvRouterPortsKind& kind);

  TListView* ListView1;
  TLabel* LB_Samples;
  TStaticText* StaticText1;
  TLabel* LB_VlanID;
  TStaticText* stVlanID;
  TLabel* LB_VlanName = nullptr;      // hidden, never bound
  TStaticText* stVlanName = nullptr;  // hidden, never bound
  TPageControl* PageControl1;
  TButton* btnGet;
  TButton* btnSet;
  TButton* btnStop = nullptr;
  TButton* btnClose;

  TStackingPortUitForm* StaticPicker = nullptr;
  TStackingPortUitForm* DynamicPicker = nullptr;
  TStackingPortUitForm* ForbiddenPicker = nullptr;

  void FormCreate(TObject* Sender);
  void btnGetClick(TObject* Sender);
  void btnSetClick(TObject* Sender);
  void btnStopClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void ApplyEnablingRules() override;
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);

  void GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) override;
  void ClearDetailControls() override;

 protected:
  // The static and forbidden ports are editable once the list is read, a VLAN chosen or not.
  void EnableEditablePickers();

  const NvRouterPortsKind& Kind;
};

class TIGMPRouterPortsForm : public TSnoopingRouterPortsForm {
 public:
  explicit TIGMPRouterPortsForm(TComponent* Owner);
};

class TMLD_SnoopingRouterPortsForm : public TSnoopingRouterPortsForm {
 public:
  explicit TMLD_SnoopingRouterPortsForm(TComponent* Owner);
};

// The dialogs while their menu commands show them.
extern TIGMPRouterPortsForm* IGMPRouterPortsForm;
extern TMLD_SnoopingRouterPortsForm* MLD_SnoopingRouterPortsForm;
