// The port trunk groups of the switch (link aggregation): a list of the groups, and under it
// the chosen group's index, master port, type and state, with its member ports and the ports
// the switch reports active on two tab pages. Add creates a group, Set changes the chosen
// one, Delete destroys it. Every read and write blocks until the reply.
#pragma once

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

class TPortTrunkForm : public TFeatureDialog {
 public:
  explicit TPortTrunkForm(TComponent* Owner);

  TListView* LV_PortTrunk;
  TLabel* Label163;
  TEdit* ED_Index;
  TLabel* LB_Master;
  TEdit* PortEdit;
  TLabel* LB_State;
  TComboBox* ComboBox1;    // "disabled" / "enabled", carried into Combo_State
  TLabel* LB_Type;
  TComboBox* Combo_Type;
  TEdit* ED_MasterPort;    // hidden: the master port id sent
  TComboBox* Combo_State;  // hidden: the state or row status sent
  TPanel* GroupBox1;       // hidden
  TEdit* UnitEdit;
  TPageControl* PageControl1;
  TButton* BT_Get;
  TButton* SetBtn;
  TButton* BT_Set;
  TButton* BT_Delete;
  TButton* BT_Close;

  TStackingPortUitForm* MemberPicker = nullptr;
  TStackingPortUitForm* ActivePicker = nullptr;

  void FormCreate(TObject* Sender);
  void BT_GetClick(TObject* Sender);
  void BT_SetClick(TObject* Sender);
  void SetBtnClick(TObject* Sender);
  void BT_DeleteClick(TObject* Sender);
  void ShowChosenRow(TListItem* row) override;
  void UnitEditKeyPress(TObject* Sender, char& Key);
  void ComboBox1Change(TObject* Sender);
  void BT_CloseClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  void WriteGroup(int unit, int port, bool creating);
  bool CheckMasterPort(int unit, int port);
  bool CheckMemberCount(int unit);
  bool MemberChecked(int portId) const;
  bool ListHolds(int column, int value) const;
  void ShowStateIn(TComboBox* target, const std::string& state);
};
