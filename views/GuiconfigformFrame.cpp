// The frame every view and pop-up shares: button column, client area and status panel.
#include <algorithm>
#include <filesystem>

#include "Dialogs.h"
#include "Graphics.h"
#include "Guiconfigform.h"
#include "NvSNMPRequest2Edits.h"
#include "Windows.h"

namespace {

constexpr int kMinClientWidth = 350;
constexpr int kMaxClientWidth = 800;
constexpr int kMaxClientHeight = 550;

TBitBtn* NewButton(TCtrlBtnPanel* column, const char* caption) {
  auto* button = new TBitBtn(column);
  button->Parent = column;
  button->Caption = caption;
  return button;
}

std::string WorkingDirectory() {
  char buffer[4096];
  const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

}  // namespace

TMsgPanel::TMsgPanel(TComponent* AOwner) : TPanel(AOwner) {
  BevelOuter = bvNone;
  Height = 20;
  StatusBar = new TStatusBar(this);
  StatusBar->Parent = this;
  StatusBar->SimplePanel = true;
  StatusBar->Height = 20;
  StatusBar->Align = alBottom;
  if (auto* parent = dynamic_cast<TWinControl*>(AOwner)) Parent = parent;
}

TCtrlBtnPanel::TCtrlBtnPanel(TComponent* AOwner) : TPanel(AOwner) {
  CountText = new TStaticText(this);
  CountText->Parent = this;
  CountText->AutoSize = false;
  CountText->Alignment = taCenter;
  CountText->BorderStyle = sbsSunken;
  CountText->Caption = "0";
  CountText->Height = 21;
  SamplesLabel = new TLabel(this);
  SamplesLabel->Parent = this;
  SamplesLabel->AutoSize = false;
  SamplesLabel->Alignment = taCenter;
  SamplesLabel->Caption = "Samples";
  SamplesLabel->Height = 16;
  RefreshBtn = NewButton(this, "Refresh");
  EditBtn = NewButton(this, "Edit");
  SetCheckedBtn = NewButton(this, "Set Checked");
  AddBtn = NewButton(this, "Add");
  DeleteBtn = NewButton(this, "Delete");
  CheckAllBtn = NewButton(this, "Check All");
  ClearChecksBtn = NewButton(this, "Clear Checks");
  CloseBtn = NewButton(this, "Close");
  StopBtn = NewButton(this, "Stop");
  Controls = {CountText, SamplesLabel, RefreshBtn, EditBtn,  SetCheckedBtn, AddBtn,
              DeleteBtn, CheckAllBtn,  ClearChecksBtn, StopBtn, CloseBtn};

  LoadGlyphs();

  LeftMargin = 10;
  TopMargin = 10;
  AddBtn->Visible = false;
  DeleteBtn->Visible = false;
  StopBtn->Visible = false;
  ArrangeButtons();
  Width = 2 * LeftMargin + RefreshBtn->Width;
  if (auto* parent = dynamic_cast<TWinControl*>(AOwner)) Parent = parent;
  Align = alRight;
}

// Pictures from the working directory replace captions; the first file that does not load
// ends the search and the remaining buttons keep their captions.
void TCtrlBtnPanel::LoadGlyphs() {
  const std::string dir = WorkingDirectory();
  const std::pair<const char*, TBitBtn*> glyphs[] = {
      {"/Get.bmp", RefreshBtn},      {"/Set.bmp", EditBtn},          {"/SetCheck.bmp", SetCheckedBtn},
      {"/Add.bmp", AddBtn},          {"/Delete.bmp", DeleteBtn},     {"/SelectAll.bmp", CheckAllBtn},
      {"/SelectNone.bmp", ClearChecksBtn}, {"/Close.bmp", CloseBtn}, {"/Stop.bmp", StopBtn},
  };
  try {
    for (const auto& [file, button] : glyphs) {
      const std::string path = dir + file;
      std::error_code ec;
      if (!std::filesystem::exists(path, ec)) continue;
      button->Glyph->LoadFromFile(path);
      button->Caption = "";
    }
  } catch (const Exception&) {
  }
}

void TCtrlBtnPanel::ArrangeButtons() {
  int y = TopMargin;
  for (TControl* control : Controls) {
    control->SetBounds(LeftMargin, y, 96, control->Height);
    if (control->Visible) y = control->Top + control->Height + 5;
  }
  Height = CloseBtn->Top + CloseBtn->Height + 10;
}

// ---------------------------------------------------------------------------------------

TSNMPPanel::TSNMPPanel(TComponent* AOwner, TMsgPanel* msgPanel, NvSNMPRequest2Edits* binding)
    : TPanel(AOwner), EditCtrl(binding) {
  BevelOuter = bvNone;
  if (auto* parent = dynamic_cast<TWinControl*>(AOwner)) Parent = parent;
  if (!msgPanel) {
    MsgPanel = new TMsgPanel(this);
    MsgPanel->Align = alBottom;
    if (EditCtrl) EditCtrl->SetStatusControl(MsgPanel->StatusBar);
  } else if (EditCtrl) {
    EditCtrl->SetStatusControl(msgPanel->StatusBar);
  }
  CtrlBtnPanel = new TCtrlBtnPanel(this);
  CtrlBtnPanel->RefreshBtn->OnClick = Handler(this, &TSNMPPanel::RefreshClick);
  CtrlBtnPanel->CloseBtn->OnClick = Handler(this, &TSNMPPanel::CloseClick);
  CtrlBtnPanel->StopBtn->OnClick = Handler(this, &TSNMPPanel::StopClick);
  CtrlBtnPanel->Align = alRight;
  Splitter = new TSplitter(this);
  Splitter->Parent = this;
  Splitter->Align = alRight;
  ClientPanel = new TPanel(this);
  ClientPanel->Parent = this;
  ClientPanel->BevelOuter = bvNone;
  ClientPanel->Align = alClient;
  SetBounds(Left, Top, 0, 0);
}

void TSNMPPanel::SetClient(TControl* control) {
  if (ClientControl) {
    ClientControl->Visible = false;
    ClientControl->Align = alNone;
  }
  ClientControl = control;
  control->Align = alNone;
  control->Parent = ClientPanel;
  control->Visible = true;

  Align = alNone;
  const int width = control->Width + CtrlBtnPanel->Width + Splitter->Width + 3;
  if (Width != width) Width = width;
  const int msgHeight = MsgPanel ? MsgPanel->Height : 0;
  int height = control->Height + msgHeight;
  if (height < CtrlBtnPanel->Height) height = CtrlBtnPanel->Height + msgHeight;
  if (Height != height) Height = height;
  control->Align = alClient;
}

void TSNMPPanel::FitToForm(TCustomForm* form) {
  Align = alNone;
  OwnerForm = form;
  form->Position = poMainFormCenter;
  if (form->ClientWidth < Width) form->ClientWidth = Width;
  if (form->ClientWidth < kMinClientWidth) form->ClientWidth = kMinClientWidth;
  if (form->ClientHeight < Height) form->ClientHeight = Height;
  if (form->ClientHeight > kMaxClientHeight) form->ClientHeight = kMaxClientHeight;
  if (form->ClientWidth > kMaxClientWidth) form->ClientWidth = kMaxClientWidth;
  Align = alClient;
}

void TSNMPPanel::RefreshClick(TObject*) {
  if (!EditCtrl) return;
  // A read under way goes on to its end (a stopped one ends at its next reply); this one
  // follows it.
  EditCtrl->Request.Active = 1;
  try {
    EditCtrl->Get();
  } catch (const Exception& e) {
    EditCtrl->ShowStatus(e.Message);
    EditCtrl->Request.Active = 1;
  }
}

void TSNMPPanel::CloseClick(TObject*) {
  if (EditCtrl) {
    EditCtrl->Request.Active = 0;
    if (EditCtrl->Busy) Application->ProcessMessages();  // the window's close does the waiting
  }
  if (!OwnerForm) {
    ShowMessage("Please initial close form");
    return;
  }
  OwnerForm->Close();
}

void TSNMPPanel::StopClick(TObject*) {
  if (!CtrlBtnPanel->RefreshBtn->Enabled) CtrlBtnPanel->RefreshBtn->Enabled = true;
  if (!EditCtrl) {
    ShowMessage("Getting SNMP Data!");
    return;
  }
  EditCtrl->Stop();  // a walk ends at its next reply, even when a Refresh follows at once
}
