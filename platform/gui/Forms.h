// Forms, the application object and the screen.
#pragma once

#include <string>

#include "Classes.h"
#include "Controls.h"

class TForm;
class TMainMenu;

// The program's run loop, exception display and title. One instance: Application.
class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  Property<std::string, TApplication> Title{this, &TApplication::GetTitle, &TApplication::SetTitle};
  ReadOnlyProperty<TForm*, TApplication> MainForm{this, &TApplication::GetMainForm};
  ReadOnlyProperty<bool, TApplication> Terminated{this, &TApplication::GetTerminated};
  // The application's own window: none here (message boxes with it have no owner).
  ReadOnlyProperty<HWND, TApplication> Handle{this, &TApplication::GetHandle};
  // Full path of the running program.
  ReadOnlyProperty<std::string, TApplication> ExeName{this, &TApplication::GetExeName};

  // Hands over the command line (for the Qt application object); optional.
  void SetCommandLine(int argc, char** argv);
  void Initialize();
  // Creates a form owned by the application; the first one becomes the main form.
  template <class F>
  void CreateForm(F*& reference) {
    Initialize();
    reference = new F(this);
    reference->DoCreate();
    if (!mainForm_) mainForm_ = reference;
  }
  // Shows the main form and runs the message loop until Terminate (at once if Terminate
  // came first), then frees the forms the application owns.
  void Run();
  void Terminate();
  // Handles the waiting window messages and returns.
  void ProcessMessages();
  // The exception display: call from inside a catch block.
  void HandleException(TObject* Sender);
  void ShowException(const std::exception& e);

  std::string GetTitle() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  TForm* GetMainForm() const { return mainForm_; }
  bool GetTerminated() const { return terminated_; }
  std::string GetExeName() const;
  HWND GetHandle() const { return nullptr; }

 private:
  friend class TCustomForm;
  std::string title_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

extern TApplication* Application;

// The screen. PixelsPerInch comes from the display unless NV_PIXELS_PER_INCH gives it.
class TScreen : public TComponent {
 public:
  TScreen() : TComponent(nullptr) {}
  ReadOnlyProperty<int, TScreen> PixelsPerInch{this, &TScreen::GetPixelsPerInch};
  ReadOnlyProperty<int, TScreen> Width{this, &TScreen::GetWidth};
  ReadOnlyProperty<int, TScreen> Height{this, &TScreen::GetHeight};

  int GetPixelsPerInch() const;
  int GetWidth() const;
  int GetHeight() const;
};

extern TScreen* Screen;

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
// Frame buttons; combine with |. Without biSystemMenu the frame has no close button.
using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 1, biMinimize = 2, biMaximize = 4;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// A window. Width/Height are the outer size, ClientWidth/ClientHeight the inside without
// border, caption and menu bar. A form given a Parent is shown inside that control.
//
// OnCreate runs once, before the form is first shown or embedded. A form class whose
// creation handler must run before its constructor returns (so that the creator sees
// its effects) calls DoCreate() as the last statement of its constructor. An exception
// from OnCreate is shown like that of any other event; the construction goes on.
class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  Property<TModalResult, TCustomForm> ModalResult{this, &TCustomForm::GetModalResult, &TCustomForm::SetModalResult};
  Property<TPosition, TCustomForm> Position{this, &TCustomForm::GetPosition, &TCustomForm::SetPosition};
  Property<TFormBorderStyle, TCustomForm> BorderStyle{this, &TCustomForm::GetBorderStyle, &TCustomForm::SetBorderStyle};
  Property<TWinControl*, TCustomForm> ActiveControl{this, &TCustomForm::GetActiveControl, &TCustomForm::SetActiveControl};
  Property<TMainMenu*, TCustomForm> Menu{this, &TCustomForm::GetMenu, &TCustomForm::SetMenu};
  Property<TBorderIcons, TCustomForm> BorderIcons{this, &TCustomForm::GetBorderIcons, &TCustomForm::SetBorderIcons};

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnDestroy;

  // Shows the form and runs a message loop until ModalResult is set and the form agrees
  // to close; returns ModalResult.
  int ShowModal();
  // Modal: ModalResult = mrCancel. Otherwise asks OnCloseQuery and OnClose and hides or
  // frees the form; closing the main form ends the application.
  void Close();
  // Frees the form once the current message has been handled.
  void Release();
  void DoCreate();
  bool CloseQuery();

  TModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result);
  TPosition GetPosition() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TFormBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TWinControl* GetActiveControl() const;
  void SetActiveControl(TWinControl* control);
  TBorderIcons GetBorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TMainMenu* GetMenu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  int GetClientWidth() const override { return GetWidth() - FrameWidth(); }
  int GetClientHeight() const override { return GetHeight() - FrameHeight() - MenuHeight(); }
  void SetVisible(bool visible) override;
  void SetParent(TWinControl* parent) override;
  QWidget* ChildArea() const override;

 protected:
  void BeforeDestruction() override;
  void CaptionChanged() override;
  void ApplyGeometry() override;
  void ApplyVisibility() override;
  void WindowGeometryChanged() override;
  void ColorChanged() override;
  void FontChanged() override;

 private:
  friend class TMainMenu;
  friend class FormWindow;
  int FrameWidth() const;
  int FrameHeight() const;
  int MenuHeight() const;
  void PlaceOnShow();
  void LayoutWindow();
  void CloseModal();
  void WindowActivated(bool active);
  void ApplyWindowFlags();

  QWidget* client_;
  TModalResult modalResult_ = mrNone;
  TPosition position_ = poDesigned;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  bool active_ = false;
  TMainMenu* menu_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  bool created_ = false;
  bool modal_ = false;
  bool shownOnce_ = false;
  bool syncing_ = false;
};

// A container that scrolls when its children reach past its edges.
class TScrollBox;

// One scroll bar of a scroll box; Position is how far the contents are scrolled, in pixels.
class TControlScrollBar : public TPersistent {
 public:
  Property<int, TControlScrollBar> Position{this, &TControlScrollBar::GetPosition, &TControlScrollBar::SetPosition};

  int GetPosition() const;
  // Kept within the scrollable range.
  void SetPosition(int position);

 private:
  friend class TScrollBox;
  TControlScrollBar(TScrollBox* box, bool vertical) : box_(box), vertical_(vertical) {}
  TScrollBox* box_;
  bool vertical_;
};

class TScrollBox : public TWinControl {
 public:
  explicit TScrollBox(TComponent* AOwner);
  ~TScrollBox() override;

  TControlScrollBar* const HorzScrollBar;
  TControlScrollBar* const VertScrollBar;
  // False: no scroll bars are shown, whatever the contents.
  Property<bool, TScrollBox> AutoScroll{this, &TScrollBox::GetAutoScroll, &TScrollBox::SetAutoScroll};

  bool GetAutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool autoScroll);

  QWidget* ChildArea() const override;
  void ChildBoundsChanged() override;
  int GetClientWidth() const override;
  int GetClientHeight() const override;

 protected:
  void Resized() override;

 private:
  QWidget* contents_;
  bool autoScroll_ = true;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};
