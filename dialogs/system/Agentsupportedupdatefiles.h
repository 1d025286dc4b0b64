// The agent's update files: the firmware and configuration files the switch can load or save,
// one row each. A tick box in front of each field chooses which columns the Set of the chosen
// row carries.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"
#include "TickRows.h"

class TfrmAgentSupportedUpdateFiles : public TFeatureDialog {
 public:
  explicit TfrmAgentSupportedUpdateFiles(TComponent* Owner);

  TListView* ListView1;
  TStaticText* Static;  // the row count
  TButton* GetButton;   // "Refresh"
  TButton* EditButton;  // "Set"
  TButton* Button1;     // "Close"
  TEdit* ED_Index;
  TCheckBox* chk_FileDscr;
  TEdit* ED_Description;
  TCheckBox* chk_FileAddr;
  TEdit* ED_IPAddress;
  TCheckBox* chk_FileTransferType;
  TComboBox* CBox_TransferType;
  TCheckBox* chk_File;
  TEdit* ED_Name;
  TCheckBox* chk_FileLocateId;
  TEdit* ED_LocateID;
  TCheckBox* chk_FileLoadType;
  TComboBox* CBox_LoadType;
  TCheckBox* chk_FileCtrl;
  TComboBox* CBox_Control;
  TCheckBox* chk_FileBIncrement;
  TComboBox* CBox_FileBIncrement;
  TCheckBox* chk_FileCtrlID;
  TEdit* ED_MultipleImageControlID;
  TCheckBox* chk_FileIPv6Addr;
  TEdit* edt_FileIPv6Addr;

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  void EditButtonClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void ApplyEnablingRules() override;
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  // The details emptied and the state without a chosen row: Set off, the index open.
  void ClearDetailControls() override;

  NvTickRows Rows;

 private:
  // The index edit open (white) without a chosen row, closed (grey, as a menu) with one.
  void ShowIndexState();
};

// The dialog while its menu command shows it.
extern TfrmAgentSupportedUpdateFiles* frmAgentSupportedUpdateFiles;
