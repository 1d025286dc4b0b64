// The port picker that dialogs embed to edit port lists: one page per unit, numbered check
// boxes in rows, bound to a port-list variable by position (box k is port bit k).
//
//   auto* picker = new TStackingPortUitForm(this);
//   AddStackingPortPage("Egress Ports", picker, PageControl1);
//   Req->BindControlList(2, MakePortIndexList(), picker->CheckBoxes);
//
// Also the model name, its port count and the standard position list.
#pragma once

#include <string>

#include "ComCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"

// The model this program manages; shown on unit pages and in the About window.
extern std::string ModelName;
// Appended by dialogs to some captions; always empty.
extern std::string TitleSuffix;

class TStackingPortUitForm : public TForm {
 public:
  explicit TStackingPortUitForm(TComponent* AOwner);
  ~TStackingPortUitForm() override;

  // Adds one unit page of count boxes in rows of columns (firstPort is not used: every page
  // numbers from 1). With singlePage set: one bare scroll box and no boxes.
  void AddUnitPage(const std::string& caption, int firstPort, int count, int columns, int singlePage);
  // Shows page n (the text as a number) captioned with the model name and its first
  // visibleCount boxes; a text that is no number or a page that does not exist changes nothing.
  void ShowUnit(const std::string& unitNumber, const std::string& modelName, int unit, int visibleCount, int columns);
  void UncheckAll();
  void EnableAll();
  void DisableAll();
  // Checked boxes among ports 1 to 64 of the first page.
  int CountChecked() const;

  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);

  TPageControl* UnitPageControl;
  TScrollBox* CurrentScrollBox = nullptr;
  TList* CheckBoxes = nullptr;  // every port box of every page, page 1's first
  TList* UnitSheets = nullptr;
};

// 10, 18 or 26 for the three smaller siblings, 28 for any other name.
int GetModelPortCount(const std::string& modelName);
// "0,1,...,63": the positions of a 64-port bitmap.
void MakePortIndexList(std::string& out);
std::string MakePortIndexList();
// "0,1,...,positions-1": the first positions of a port bitmap (32 for a 4-octet view).
std::string MakePortIndexList(int positions);
// Puts the picker on the sheet with one unit page of 64 boxes in rows of 12, the model's
// ports visible.
void ShowStackingPortForm(TCustomForm* picker, TTabSheet* sheet);
// A new visible tab of the page control holding the picker.
void AddStackingPortPage(const std::string& caption, TStackingPortUitForm* picker, TPageControl* pages);
