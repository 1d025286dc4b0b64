// The snooping group views: the groups that IGMP snooping (per VLAN, source and group) and MLD
// snooping (per VLAN, IPv6 group and source) have learned, and IGMP's data-driven learning
// groups. Each walks its table into a list and shows the chosen row in fields and read-only
// port pickers; only the data-driven view writes, the chosen group's clear action.
#pragma once

#include <vector>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

// One port set of a row: the picker's tab (null: the one picker sits on a panel) and variable.
struct NvGroupPortSet {
  const char* Caption;
  int Var;
};

struct NvGroupViewKind {
  const char* Name;
  const char* Caption;
  int Width, Height;  // stored outer size
  NvPlacement Placement;
  const NvSNMPVar* Table;
  NvListKind ListKind;
  int IndexCount;
  int Positions;  // the picker's boxes: the first ports of each bitmap
  std::vector<NvGroupPortSet> PortSets;
  const char* CountName;
  const char* StopName;
  const char* CloseName;
  bool HasSet;  // the clear action of the chosen group
};

class TSnoopingGroupView : public TFeatureDialog {
 public:
  TSnoopingGroupView(TComponent* Owner, const NvGroupViewKind& kind);

  TListView* ListView1;
  TLabel* LB_Samples;
  TStaticText* CountText;
  TButton* btnGet;
  TButton* btnSet = nullptr;
  TButton* btnStop;
  TButton* btnClose;
  TPageControl* PageControl1 = nullptr;
  TPanel* StackingPortPanel = nullptr;
  // The pickers in the order of the kind's port sets.
  TStackingPortUitForm* PortPickers[3] = {nullptr, nullptr, nullptr};

  void FormCreate(TObject* Sender);
  void btnGetClick(TObject* Sender);
  void btnSetClick(TObject* Sender);
  void btn_stopClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void ApplyEnablingRules() override;
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void FormClose(TObject* Sender, TCloseAction& Action);

  void ClearDetailControls() override;

 protected:
  // The member's fields bound to the table request.
  virtual void BindFields() = 0;
  // A label and its field on the line at top, from left; the field's width as given.
  template <class T>
  T* PutField(const char* name, const char* label, int left, int top, int width) {
    auto* caption = Put<TLabel>(this, (std::string("LB_") + name).c_str(), 0, 0, 0, 13, label);
    T* field = Put<T>(this, name, 0, 0, width, 21);
    PlaceInRow(left, top, {caption, field});
    return field;
  }
  void DisablePickers();

  const NvGroupViewKind& Kind;
  int FieldsTop;                           // the first line of fields, under the list
  std::vector<TStaticText*> DetailTexts;   // emptied by ClearDetailControls
};

class TIGMP_SnoopingGroupTableForm : public TSnoopingGroupView {
 public:
  explicit TIGMP_SnoopingGroupTableForm(TComponent* Owner);
  TStaticText* stVlanID;
  TStaticText* stSourceAddress;
  TStaticText* stGroupAddress;
  TStaticText* InputUpTime;
  TStaticText* InputExpiryTime;
  TStaticText* txtReportCount;

 protected:
  void BindFields() override;
};

class TMLD_SnoopingGroupForm : public TSnoopingGroupView {
 public:
  explicit TMLD_SnoopingGroupForm(TComponent* Owner);
  TEdit* VIDEdit;
  TEdit* edtIPAddress;  // the group
  TEdit* edtMAC;        // the source

 protected:
  void BindFields() override;
};

class TIGMPSnoopingDataDrivenLearingGroupForm : public TSnoopingGroupView {
 public:
  explicit TIGMPSnoopingDataDrivenLearingGroupForm(TComponent* Owner);
  TStaticText* stVID;
  TEdit* edtIPAddress;
  TEdit* edtUptime;
  TEdit* edtExpiryTime;
  TComboBox* CBoxClear;

 protected:
  void BindFields() override;
};

// The dialogs while their menu commands show them.
extern TIGMP_SnoopingGroupTableForm* IGMP_SnoopingGroupTableForm;
extern TMLD_SnoopingGroupForm* MLD_SnoopingGroupForm;
extern TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm;
