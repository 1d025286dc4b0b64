// The IPv6 profiles of the access control list: which IPv6 fields (traffic class, flow label,
// source address under a 128-bit mask, TCP or UDP ports under masks) the rules of a profile
// may match. Add creates a profile, Delete destroys the selected one; profiles are not
// changed in place.
#pragma once

#include "AclFamily.h"

class TIPv6MaskInfoForm : public TAclProfileBase {
 public:
  explicit TIPv6MaskInfoForm(TComponent* Owner);

  TListView* ListView1;
  TStaticText* Static;
  TEdit* edtMaskID;
  TComboBox* cbxMaskClass;
  TComboBox* cbxMaskFlowlabel;
  TComboBox* ProtoTypeCombo;
  TComboBox* TCPOptionCombo;
  TComboBox* UDPOptionCombo;
  TEdit* SourcePortEdit;
  TEdit* DstPortEdit;
  TComboBox* cbxMaskState;
  TEdit* edtSrcMask;
  TComboBox* cbxStatus;  // hidden: always createAndGo for an Add
  TButton* GetButton;
  TButton* AddButton;
  TButton* Button1;  // Stop
  TButton* DeleteButton;
  TButton* CloseButton;
  TButton* EditButton;  // hidden: profiles are not changed in place

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  // Key, duplicate, row status, the masks in use, then the write.
  void AddButtonClick(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void ApplyEnablingRules() override;
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void ProtoTypeComboChange(TObject* Sender);
  void TCPOptionComboChange(TObject* Sender);
  void UDPOptionComboChange(TObject* Sender);
  void Button1Click(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // The protocol chooses its option combo; the option chooses the port masks (through
  // LeftOutByChoices, which the edits follow).
  void UpdatePortMaskControls();
  // Also puts the combos on their starting choices and the controls they enable in step.
  void ClearDetailControls() override;
  // The choices' columns and the port masks the chosen protocol's option leaves unused.
  std::set<int> LeftOutByChoices() const override;

 private:
  // The masks in use hold exactly their octets' digits.
  bool MasksValid() const;
  void StartingChoices();
};

// The dialog while its menu command shows it.
extern TIPv6MaskInfoForm* IPv6MaskInfoForm;
