#include "About.h"

#include "LayoutPictures.h"
#include "StackingPortUitForm.h"

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(TComponent* AOwner) : TForm(AOwner) {
  Name = "AboutForm";
  BorderStyle = bsSingle;
  BorderIcons = biSystemMenu;
  Position = poMainFormCenter;
  ClientWidth = 409;
  ClientHeight = 103;

  Image7030 = new TImage(this);
  Image7030->Name = "Image7030";
  Image7030->Parent = this;
  Image7030->SetBounds(16, 20, 32, 32);
  LoadLayoutPicture(Image7030, "AboutModule.jpg");  // the window is complete without it

  AboutLabel = new TLabel(this);
  AboutLabel->Name = "AboutLabel";
  AboutLabel->Parent = this;
  AboutLabel->Left = 65;
  AboutLabel->Top = 16;
  AboutLabel->Font->Bold = true;
  AboutLabel->Font->Height = -12;

  VersionLabel = new TLabel(this);
  VersionLabel->Name = "VersionLabel";
  VersionLabel->Parent = this;
  VersionLabel->Left = 65;
  VersionLabel->Top = 39;
  VersionLabel->Caption = "Release Version 1.28";

  BT_Ok = new TButton(this);
  BT_Ok->Name = "BT_Ok";
  BT_Ok->Parent = this;
  BT_Ok->SetBounds(136, 81, 51, 20);
  BT_Ok->Caption = "OK";
  BT_Ok->OnClick = Handler(this, &TAboutForm::BT_OkClick);
  BT_Ok->OnKeyDown = Handler(this, &TAboutForm::BT_OkKeyDown);

  OnActivate = Handler(this, &TAboutForm::FormActivate);
  OnClose = Handler(this, &TAboutForm::FormClose);
  OnCreate = Handler(this, &TAboutForm::FormCreate);
  DoCreate();
}

void TAboutForm::FormActivate(TObject*) {
  AboutLabel->Caption = "Norvane " + ModelName + " Management Module";
  Caption = "About " + ModelName + " Module";
}

void TAboutForm::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TAboutForm::FormCreate(TObject*) {}

void TAboutForm::BT_OkClick(TObject*) { Close(); }

void TAboutForm::BT_OkKeyDown(TObject*, WORD& Key, TShiftState Shift) {
  if ((Shift & ssShift) && (Shift & ssAlt) && Key == VK_F3) VersionLabel->Caption = "Release Version 1.28R07(Build 2011/3/4)";
}
