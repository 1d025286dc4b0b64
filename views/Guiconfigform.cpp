// The generic view window: typed once as an editor view, a table view or tab pages of
// those; reads when shown, stops and frees its bindings when closed.
#include "Guiconfigform.h"

#include <algorithm>
#include <memory>

#include "NvSNMPRequest2Edits.h"

TConfigForm::TConfigForm(TComponent* AOwner) : TForm(AOwner) {
  Caption = "ConfigForm";
  SetBounds(Left, Top, 159, 105);
  Color = clBtnFace;
  Font->Name = "MS Sans Serif";
  Font->Height = -11;
  OnClose = Handler(this, &TConfigForm::FormClose);
  Position = poMainFormCenter;
  // The first read waits for the modal loop, so the window is on screen while it runs.
  PostMessage(Handle, WM_CONFIGFORM_REFRESH, 0, 0);
}

TConfigForm::~TConfigForm() { FreeRequests(); }

// ---------------------------------------------------------------------------------------
// Typing the window

void TConfigForm::Adopt(NvSNMPRequest2Edits*, TSNMPPanel* panel) {
  panels_.push_back(panel);
  naturalWidth_ = panel->Width;
  naturalHeight_ = panel->Height;
}

TSNMPEditorPanel* TConfigForm::AddEditorPanel(TWinControl* parent, NvSNMPRequest2Edits* request) {
  Requests.push_back(request);
  auto* panel = new TSNMPEditorPanel(parent, request);
  Adopt(request, panel);
  panel->FitToForm(this);
  return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPanel(TWinControl* parent, NvSNMPRequest2Edits* request, int addColumn,
                                                  const char* addValue, int deleteColumn, const char* deleteValue) {
  Requests.push_back(request);
  auto* panel = new TSNMPListViewPanel(parent, request);
  Adopt(request, panel);
  panel->FitToForm(this);
  if (addValue) panel->SetAddStatus(addColumn, addValue);
  if (deleteValue) panel->SetDeleteStatus(deleteColumn, deleteValue);
  return panel;
}

TSNMPEditorPanel* TConfigForm::MakeEditorForm(NvSNMPRequest2Edits* request) {
  if (FormType != 0) throw Exception("Can not change Type of a Config Form!");
  FormType = 1;
  TSNMPEditorPanel* panel = AddEditorPanel(this, request);
  if (ClientWidth < panel->Width) ClientWidth = panel->Width;
  if (ClientHeight < panel->Height) ClientHeight = panel->Height;
  return panel;
}

TSNMPListViewPanel* TConfigForm::MakeListViewForm(NvSNMPRequest2Edits* request, int addColumn, const char* addValue,
                                                  int deleteColumn, const char* deleteValue) {
  if (FormType != 0) throw Exception("Can not change Type of a Config Form!");
  FormType = 2;
  TSNMPListViewPanel* panel = AddListViewPanel(this, request, addColumn, addValue, deleteColumn, deleteValue);
  if (ClientWidth < panel->Width) ClientWidth = panel->Width;
  if (ClientHeight < panel->Height) ClientHeight = panel->Height;
  return panel;
}

void TConfigForm::MakePageForm() {
  if (FormType != 0) throw Exception("Can not change Type of a Config Form!");
  FormType = 3;
  PageControl = new TPageControl(this);
  PageControl->Parent = this;
  PageControl->MultiLine = true;
  PageControl->OnChange = [this](TObject*) { RefreshForm(); };
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const std::string& caption, NvSNMPRequest2Edits* request) {
  if (FormType != 3) throw Exception("Can not add editor page to a none-page pannel!");
  auto* sheet = new TTabSheet(PageControl);
  sheet->Caption = caption;
  sheet->Tag = PageControl->PageCount;
  sheet->PageControl = PageControl;
  TSNMPEditorPanel* panel = AddEditorPanel(sheet, request);
  PageControl->Align = alNone;
  AddPage(sheet, panel);
  return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const std::string& caption, NvSNMPRequest2Edits* request,
                                                 int addColumn, const char* addValue, int deleteColumn,
                                                 const char* deleteValue) {
  if (FormType != 3) throw Exception("Can not add listview page to a none-page pannel!");
  auto* sheet = new TTabSheet(PageControl);
  sheet->Caption = caption;
  sheet->Tag = PageControl->PageCount;
  sheet->PageControl = PageControl;
  PageControl->Align = alNone;
  TSNMPListViewPanel* panel = AddListViewPanel(sheet, request, addColumn, addValue, deleteColumn, deleteValue);
  AddPage(sheet, panel);
  return panel;
}

// The page control follows its largest page and leaves room for its tab bar and frame.
void TConfigForm::AddPage(TTabSheet* sheet, TSNMPPanel*) {
  const int left = PageControl->Left, top = PageControl->Top;
  const int width = PageControl->Width, height = PageControl->Height;
  // The page control places its pages itself: a large trial size shows what it keeps for
  // the tabs and its edges.
  constexpr int kTrial = 4000;
  PageControl->SetBounds(left, top, kTrial, kTrial);
  const int edgeWidth = kTrial - sheet->Width;
  const int edgeHeight = kTrial - sheet->Height;

  const int sheetWidth = std::max(width - edgeWidth, naturalWidth_);
  const int sheetHeight = std::max(height - edgeHeight, naturalHeight_);
  const int pagesWidth = std::max(width, sheetWidth + edgeWidth);
  const int pagesHeight = std::max(height, sheetHeight + edgeHeight);
  PageControl->SetBounds(left, top, pagesWidth, pagesHeight);
  sheet->Align = alClient;
  if (ClientWidth < pagesWidth) ClientWidth = pagesWidth;
  if (ClientHeight < pagesHeight) ClientHeight = pagesHeight;
  PageControl->Align = alClient;
}

// ---------------------------------------------------------------------------------------
// Reading

void TConfigForm::RefreshForm() {
  NvSNMPRequest2Edits* chosen = nullptr;
  switch (FormType) {
    case 0:
      return;
    case 1:
    case 2:
      if (Requests.empty()) return;
      chosen = Requests.front();
      break;
    case 3: {
      if (!PageControl || PageControl->PageCount == 0 || !PageControl->ActivePage) return;
      const int page = PageControl->ActivePage->Tag;
      if (page < 0 || page >= int(Requests.size())) return;
      chosen = Requests[page];
      break;
    }
    default:
      throw Exception("Refresh a Form with unknown Form Type!");
  }
  // A walk of the page left behind ends at its next reply.
  if (CurrentRequest) CurrentRequest->Request.Active = 0;
  CurrentRequest = chosen;
  chosen->Request.Active = 1;
  // Back on a page whose walk has not ended yet: that walk goes on instead of a second one.
  if (chosen->Busy) return;
  try {
    chosen->Get();
  } catch (const Exception& e) {
    chosen->ShowStatus(e.Message);
  }
}

void TConfigForm::WMRefresh() { RefreshForm(); }

void TConfigForm::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_CONFIGFORM_REFRESH)
    WMRefresh();
  else
    TForm::Dispatch(Message);
}

// ---------------------------------------------------------------------------------------
// Closing

void TConfigForm::FormClose(TObject*, TCloseAction&) { FreeRequests(); }

void TConfigForm::FreeRequests() {
  std::vector<NvSNMPRequest2Edits*> requests;
  requests.swap(Requests);
  CurrentRequest = nullptr;
  for (TSNMPPanel* panel : panels_) {
    panel->EditCtrl = nullptr;
    if (auto* editor = dynamic_cast<TSNMPEditorPanel*>(panel)) editor->EditsPanel->EditCtrl = nullptr;
  }
  for (NvSNMPRequest2Edits* request : requests) request->Request.Active = 0;
  for (NvSNMPRequest2Edits* request : requests) {
    if (request->ListView) request->ListView->OnSelectItem = nullptr;
    NvSNMPRequest2Controls::Release(request);
  }
}
