// The About window: the module's name and release; Shift+Alt+F3 on its OK button shows the
// full build string.
#pragma once

#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"

class TAboutForm : public TForm {
 public:
  explicit TAboutForm(TComponent* AOwner);

  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormCreate(TObject* Sender);
  void BT_OkClick(TObject* Sender);
  void BT_OkKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);

  TImage* Image7030;
  TLabel* AboutLabel;
  TLabel* VersionLabel;
  TButton* BT_Ok;
};

extern TAboutForm* AboutForm;

inline constexpr WORD VK_F3 = 0x72;
