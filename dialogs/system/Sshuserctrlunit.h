// The edit pop-up of the SSH user dialog: one user's authentication mode and, for host-based
// authentication, its host, written through the list window's request.
#pragma once

#include "EntryPopup.h"
#include "StdCtrls.h"

class TSSHUserCtrlEdit : public TEntryPopup {
 public:
  TSSHUserCtrlEdit(TComponent* Owner, TFeatureDialog* parent);

  enum : int { VarUserName = 0, VarAuthMode = 1, VarHostName = 2, VarHostIp = 3 };

  TLabel* lblUserName;
  TEdit* edtUserName;
  TLabel* lblAuthMode;
  TComboBox* cbbAuthMode;
  TLabel* lblHostName;
  TEdit* edtHostName;
  TLabel* lblHostIPAddr;
  TEdit* edtHostIPAddr;
  TButton* btnSet;
  TButton* btnClose;

  void FormCreate(TObject* Sender);
  void cbbAuthModeChange(TObject* Sender);
  void btnSetClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
};

// The pop-up while its list window is open.
extern TSSHUserCtrlEdit* SSHUserCtrlEdit;
