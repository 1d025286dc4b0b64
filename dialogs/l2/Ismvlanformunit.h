// IGMP snooping multicast VLANs: a name, four port sets, a state, a replacement source address,
// remap and replace priorities. Add creates a VLAN from the name and the single values, Set
// writes the chosen VLAN, Delete destroys it without asking; each is followed by one read of
// the table once the switch has answered.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

class TISMVLANForm : public TFeatureDialog {
 public:
  explicit TISMVLANForm(TComponent* Owner);

  TListView* lvISMVLAN;
  TLabel* LB_Samples;
  TStaticText* ST_Count2;
  TButton* RefreshBtn;
  TButton* SetBtn;
  TButton* AddBtn;
  TButton* DeleteBtn;
  TButton* btnStop;
  TButton* btnClose;
  TEdit* ED_VLANID;
  TEdit* ED_VLANName;
  TComboBox* cbxVLANState;
  TEdit* edtSourceIP;
  TComboBox* ComboBox_ReplacePriority;
  TEdit* Edit_RemapPriority;
  TComboBox* cbxStatus;  // hidden: the row status a write carries
  TComboBox* cbxAction;  // hidden, in no request
  TPageControl* PageControl1;

  TStackingPortUitForm* SourcePicker = nullptr;
  TStackingPortUitForm* MemberPicker = nullptr;
  TStackingPortUitForm* TagMemberPicker = nullptr;
  TStackingPortUitForm* UntagSourcePicker = nullptr;

  void FormCreate(TObject* Sender);
  void RefreshBtnClick(TObject* Sender);
  void AddBtnClick(TObject* Sender);
  void SetBtnClick(TObject* Sender);
  void DeleteBtnClick(TObject* Sender);
  void btnStopClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void lvISMVLANChange(TObject* Sender, TListItem* Item, TItemChange Change);
  void ApplyEnablingRules() override;
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);

  void ClearDetailControls() override;

 private:
  // The row's own fields usable (a VLAN chosen) or greyed and emptied.
  void ShowRowFields(bool chosen);
  // The single values that are written only when given: state, source address, remap priority.
  // False when the address is given but not valid (the message has been shown).
  bool AddOptionalValues(NvSetStep& step);
  // The write done or refused: the table read again, the fields emptied, the idle buttons.
  void AfterWrite(const NvSetStep* step);
};

// The dialog while its menu command shows it.
extern TISMVLANForm* ISMVLANForm;
