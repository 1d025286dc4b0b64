// Message dialogs.
#pragma once

#include <string>

#include "Controls.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
};
// Buttons combine with |: mbOK | mbCancel.
using TMsgDlgButtons = unsigned;
inline constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
inline constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;

// Shows the text with an OK button, titled with the application title.
void ShowMessage(const std::string& text);
// Shows the text with the chosen buttons; returns the modal result of the pressed one
// (mrOk, mrCancel, mrYes, mrNo, ...).
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
