#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

#include "Forms.h"
#include "GuiInternal.h"
#include "GuiTesting.h"
#include "Menus.h"

using gui_internal::ToQt;

namespace {

// Every existing form with a serial number, so that a late release never hits a newer
// form that happens to live at a freed form's address.
std::map<TCustomForm*, unsigned long long>& LiveForms() {
  // Never destroyed: forms the application owns go after the other statics at exit.
  static auto* forms = new std::map<TCustomForm*, unsigned long long>;
  return *forms;
}
unsigned long long nextFormSerial = 1;

GuiTesting::ModalHook& CurrentModalHook() {
  static GuiTesting::ModalHook hook;
  return hook;
}

constexpr int kMenuHeight = 20;

}  // namespace

// The top-level (or embedded) widget of a form; the user's close goes through Close().
class FormWindow : public QWidget {
 public:
  explicit FormWindow(TCustomForm* form) : QWidget(nullptr, Qt::Window), form_(form) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (form_) GuardedCall([this] { form_->Close(); });
  }
  void changeEvent(QEvent* event) override {
    if (form_ && event->type() == QEvent::ActivationChange) {
      bool active = gui_internal::ActiveWindow() == this;
      GuardedCall([this, active] { form_->WindowActivated(active); });
    }
    QWidget::changeEvent(event);
  }

 public:
  TCustomForm* form_;
  // The window that was active when this one was shown: it gets the activation back when
  // this one goes, as the window system gives it back to the owner of a closed dialog.
  QPointer<QWidget> activeBefore;
};

// ---------------------------------------------------------------------------------------
// TScreen

TScreen* Screen = new TScreen;

int TScreen::GetPixelsPerInch() const {
  if (const char* forced = std::getenv("NV_PIXELS_PER_INCH")) {
    int ppi = std::atoi(forced);
    if (ppi > 0) return ppi;
  }
  gui_internal::EnsureQtApplication();
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(screen->logicalDotsPerInch() + 0.5) : 96;
}

int TScreen::GetWidth() const {
  gui_internal::EnsureQtApplication();
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 1024;
}

int TScreen::GetHeight() const {
  gui_internal::EnsureQtApplication();
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 768;
}

// ---------------------------------------------------------------------------------------
// TCustomForm

static QWidget* NewFormWindow(TCustomForm* form) {
  gui_internal::EnsureQtApplication();
  return new FormWindow(form);
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner, NewFormWindow(this)) {
  client_ = new QWidget(Widget());
  client_->setAutoFillBackground(true);
  LiveForms()[this] = nextFormSerial++;
  Visible = false;
  SetBounds(0, 0, 320, 240);
  ColorChanged();
  FontChanged();
}

TCustomForm::~TCustomForm() {
  LiveForms().erase(this);
  for (TApplication* app : {Application, dynamic_cast<TApplication*>(GetOwner())})
    if (app && app->mainForm_ == this) app->mainForm_ = nullptr;
  if (auto* window = dynamic_cast<FormWindow*>(Widget())) window->form_ = nullptr;
}

void TCustomForm::BeforeDestruction() { FireEvent(OnDestroy, this); }

// Like every event, a failing creation handler is shown and goes no further.
void TCustomForm::DoCreate() {
  if (created_) return;
  created_ = true;
  FireEvent(OnCreate, this);
}

QWidget* TCustomForm::ChildArea() const { return client_; }

int TCustomForm::FrameWidth() const {
  switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable: case bsSizeToolWin: return 8;
    default: return 6;
  }
}

int TCustomForm::FrameHeight() const {
  switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable: return 27;
    case bsToolWindow: return 22;
    case bsSizeToolWin: return 24;
    default: return 25;
  }
}

int TCustomForm::MenuHeight() const { return menu_ ? kMenuHeight : 0; }

// The widget holds the menu bar and the client area; the frame lies outside it.
void TCustomForm::LayoutWindow() {
  int w = GetClientWidth(), h = GetClientHeight();
  if (menu_ && menu_->Bar()) menu_->Bar()->setGeometry(0, 0, w, kMenuHeight);
  client_->setGeometry(0, MenuHeight(), w, h);
}

void TCustomForm::ApplyGeometry() {
  QWidget* w = Widget();
  syncing_ = true;
  int width = std::max(GetClientWidth(), 0), height = std::max(GetClientHeight() + MenuHeight(), 0);
  if (GetParent()) {
    w->setGeometry(GetLeft() + FrameWidth() / 2, GetTop() + FrameHeight() - FrameWidth() / 2, width, height);
  } else {
    w->resize(width, height);
    w->move(GetLeft(), GetTop());
  }
  syncing_ = false;
  LayoutWindow();
}

void TCustomForm::WindowGeometryChanged() {
  if (syncing_ || GetParent()) return;
  QWidget* w = Widget();
  int width = w->width() + FrameWidth(), height = w->height() + FrameHeight();
  QPoint pos = w->pos();
  if (width == GetWidth() && height == GetHeight() && pos.x() == GetLeft() && pos.y() == GetTop()) return;
  syncing_ = true;
  SetBounds(pos.x(), pos.y(), width, height);
  syncing_ = false;
  LayoutWindow();
}

void TCustomForm::ApplyVisibility() {
  QWidget* w = Widget();
  if (GetParent()) w->setVisible(GetVisible());
  else if (!GetVisible()) w->hide();
}

void TCustomForm::SetParent(TWinControl* parent) {
  if (parent) DoCreate();
  QWidget* w = Widget();
  bool wasVisible = GetVisible();
  TWinControl::SetParent(parent);
  if (!parent) ApplyWindowFlags();
  ApplyGeometry();
  if (parent && wasVisible) w->show();
}

void TCustomForm::CaptionChanged() { Widget()->setWindowTitle(ToQt(GetCaption())); }

void TCustomForm::ColorChanged() {
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, gui_internal::ToQColor(color_));
  client_->setPalette(palette);
}

void TCustomForm::FontChanged() {
  TWinControl::FontChanged();
}

void TCustomForm::ApplyWindowFlags() {
  QWidget* w = Widget();
  if (GetParent()) return;
  Qt::WindowFlags flags = Qt::Window;
  if (borderStyle_ == bsDialog) flags = Qt::Dialog;
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) flags = Qt::Tool;
  if (borderStyle_ == bsNone) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (borderIcons_ & biSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((borderIcons_ & biSystemMenu) && (borderIcons_ & biMinimize) && borderStyle_ != bsDialog)
      flags |= Qt::WindowMinimizeButtonHint;
    if ((borderIcons_ & biSystemMenu) && (borderIcons_ & biMaximize) && borderStyle_ == bsSizeable)
      flags |= Qt::WindowMaximizeButtonHint;
  }
  bool shown = w->isVisible();
  w->setWindowFlags(flags);
  if (shown) w->show();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  borderIcons_ = icons;
  ApplyWindowFlags();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  int clientW = GetClientWidth(), clientH = GetClientHeight();
  borderStyle_ = style;
  ApplyWindowFlags();
  // The outer size follows the new frame; the client area keeps its size.
  SetBounds(GetLeft(), GetTop(), clientW + FrameWidth(), clientH + FrameHeight() + MenuHeight());
  ApplyGeometry();
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  int clientH = GetClientHeight();
  if (menu_ && menu_->Bar()) menu_->Bar()->hide();
  menu_ = menu;
  if (menu_) menu_->AttachTo(Widget());
  SetHeight(clientH + FrameHeight() + MenuHeight());
  LayoutWindow();
}

TWinControl* TCustomForm::GetActiveControl() const {
  if (TControl* c = gui_internal::ControlOf(QApplication::focusWidget()))
    if (c->Widget()->window() == Widget()->window()) return dynamic_cast<TWinControl*>(c);
  return activeControl_;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control && GetVisible() && control->CanFocus()) control->SetFocus();
}

void TCustomForm::PlaceOnShow() {
  if (GetParent()) return;
  TCustomForm* centre = nullptr;
  switch (position_) {
    case poMainFormCenter:
      centre = Application->MainForm;
      break;
    case poOwnerFormCenter:
      centre = dynamic_cast<TCustomForm*>(GetOwner());
      break;
    default:
      break;
  }
  if (centre == this || (centre && !centre->GetVisible())) centre = nullptr;
  int left = GetLeft(), top = GetTop();
  if (centre) {
    left = centre->GetLeft() + (centre->GetWidth() - GetWidth()) / 2;
    top = centre->GetTop() + (centre->GetHeight() - GetHeight()) / 2;
  } else if (position_ != poDesigned) {
    left = (Screen->Width - GetWidth()) / 2;
    top = (Screen->Height - GetHeight()) / 2;
  }
  if (position_ != poDesigned) SetBounds(std::max(left, 0), std::max(top, 0), GetWidth(), GetHeight());
}

void TCustomForm::SetVisible(bool visible) {
  if (visible == GetVisible()) {
    if (visible && !GetParent()) gui_internal::ActivateWindow(Widget());
    return;
  }
  if (visible) {
    DoCreate();
    if (!shownOnce_) PlaceOnShow();
    shownOnce_ = true;
    FireEvent(OnShow, this);
  } else {
    FireEvent(OnHide, this);
  }
  auto* window = dynamic_cast<FormWindow*>(Widget());
  const bool wasActive = window && gui_internal::ActiveWindow() == window;
  if (visible && window && !GetParent() && !wasActive) window->activeBefore = gui_internal::ActiveWindow();
  TWinControl::SetVisible(visible);
  if (visible) {
    QWidget* w = Widget();
    w->show();
    if (!GetParent()) {
      gui_internal::ActivateWindow(w);
      // A shown window becomes the active one at once, whether or not the window system
      // has reported it yet.
      WindowActivated(true);
    }
    if (activeControl_ && activeControl_->CanFocus()) activeControl_->SetFocus();
  } else {
    active_ = false;
    if (wasActive && gui_internal::Headless()) {
      QWidget* back = window->activeBefore;
      gui_internal::ActivateWindow(back && back->isVisible() ? back : nullptr);
    }
  }
}

void TCustomForm::WindowActivated(bool active) {
  if (!GetVisible() || GetParent() || active == active_) return;
  active_ = active;
  FireEvent(active ? OnActivate : OnDeactivate, this);
}

void TCustomForm::SetModalResult(TModalResult result) {
  modalResult_ = result;
  if (modal_ && result != mrNone) gui_internal::WakeEventLoop();
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::CloseModal() {
  try {
    TCloseAction action = caNone;
    if (CloseQuery()) {
      action = caHide;
      if (OnClose) OnClose(this, action);
    }
    if (action == caNone) modalResult_ = mrNone;
    else if (action == caFree) Release();
  } catch (...) {
    modalResult_ = mrNone;
    Application->HandleException(this);
  }
}

int TCustomForm::ShowModal() {
  if (modal_ || GetVisible()) throw Exception("Cannot make a visible window modal");
  gui_internal::EnsureQtApplication();
  QWidget* w = Widget();
  modalResult_ = mrNone;
  modal_ = true;
  if (!GetParent()) w->setWindowModality(Qt::ApplicationModal);
  try {
    SetVisible(true);
  } catch (...) {
    modal_ = false;
    w->setWindowModality(Qt::NonModal);
    throw;
  }
  if (CurrentModalHook()) {
    // The hook runs from inside the loop, after what is already queued for the form.
    QTimer::singleShot(0, bridge_.get(), [this] { GuardedCall([this] { CurrentModalHook()(*this); }); });
  }
  for (;;) {
    gui_internal::RunLoopUntil([this] { return modalResult_ != mrNone || Application->Terminated; });
    if (Application->Terminated) {
      if (modalResult_ == mrNone) modalResult_ = mrCancel;
      break;
    }
    CloseModal();
    if (modalResult_ != mrNone) break;
  }
  TModalResult result = modalResult_;
  modal_ = false;
  GuardedCall([this] { SetVisible(false); });
  w->setWindowModality(Qt::NonModal);
  return result;
}

void TCustomForm::Close() {
  if (modal_) {
    SetModalResult(mrCancel);
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (Application->MainForm == this) {
    SetVisible(false);
    Application->Terminate();
  } else if (action == caFree) {
    Release();
  } else {
    SetVisible(false);
  }
}

void TCustomForm::Release() {
  QTimer::singleShot(0, QCoreApplication::instance(), [form = this, serial = LiveForms()[this]] {
    auto it = LiveForms().find(form);
    if (it != LiveForms().end() && it->second == serial) delete form;
  });
}

// ---------------------------------------------------------------------------------------
// TScrollBox

static QScrollArea* NewScrollArea() {
  gui_internal::EnsureQtApplication();
  return new QScrollArea();
}

TScrollBox::TScrollBox(TComponent* AOwner)
    : TWinControl(AOwner, NewScrollArea()),
      HorzScrollBar(new TControlScrollBar(this, false)),
      VertScrollBar(new TControlScrollBar(this, true)) {
  auto* area = static_cast<QScrollArea*>(Widget());
  contents_ = new QWidget();
  area->setWidget(contents_);
  area->setWidgetResizable(false);
  SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox() {
  delete HorzScrollBar;
  delete VertScrollBar;
}

void TScrollBox::SetAutoScroll(bool autoScroll) {
  autoScroll_ = autoScroll;
  auto* area = static_cast<QScrollArea*>(Widget());
  const Qt::ScrollBarPolicy policy = autoScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  area->setHorizontalScrollBarPolicy(policy);
  area->setVerticalScrollBarPolicy(policy);
  ChildBoundsChanged();
}

static QScrollBar* BarOf(const TScrollBox* box, bool vertical) {
  auto* area = static_cast<QScrollArea*>(box->Widget());
  return vertical ? area->verticalScrollBar() : area->horizontalScrollBar();
}

int TControlScrollBar::GetPosition() const { return BarOf(box_, vertical_)->value(); }

void TControlScrollBar::SetPosition(int position) { BarOf(box_, vertical_)->setValue(position); }

QWidget* TScrollBox::ChildArea() const { return contents_; }

int TScrollBox::GetClientWidth() const { return static_cast<QScrollArea*>(Widget())->maximumViewportSize().width(); }
int TScrollBox::GetClientHeight() const { return static_cast<QScrollArea*>(Widget())->maximumViewportSize().height(); }

// The scrolled area reaches to the farthest child, and at least fills the view.
void TScrollBox::ChildBoundsChanged() {
  auto* area = static_cast<QScrollArea*>(Widget());
  int right = 0, bottom = 0;
  for (int i = 0; i < ControlCount; ++i) {
    TControl* c = Controls[i];
    if (!c->GetVisible() || c->GetAlign() != alNone) continue;
    right = std::max(right, c->GetLeft() + c->GetWidth());
    bottom = std::max(bottom, c->GetTop() + c->GetHeight());
  }
  QSize view = area->maximumViewportSize();
  const bool bars = autoScroll_;
  contents_->resize(std::max(right, view.width() - (bars && bottom > view.height() ? area->verticalScrollBar()->sizeHint().width() : 0)),
                    std::max(bottom, view.height() - (bars && right > view.width() ? area->horizontalScrollBar()->sizeHint().height() : 0)));
}

void TScrollBox::Resized() {
  ChildBoundsChanged();
  TWinControl::Resized();
}

// ---------------------------------------------------------------------------------------
// Application: the run loop needs the form.

void TApplication::Run() {
  if (!terminated_) {
    gui_internal::EnsureQtApplication();
    if (mainForm_) mainForm_->SetVisible(true);
    gui_internal::RunLoopUntil([this] { return terminated_; });
  }
  // The program ends now: its forms go while Qt still runs, each with its OnDestroy.
  DestroyComponents();
}

namespace GuiTesting {

ModalHook SetModalHook(ModalHook hook) { return std::exchange(CurrentModalHook(), std::move(hook)); }

ModalDriver::ModalDriver(ModalHook onShown) {
  previous_ = SetModalHook([this, onShown = std::move(onShown)](TCustomForm& form) {
    ++runs_;
    onShown(form);
  });
}

ModalDriver::~ModalDriver() { SetModalHook(std::move(previous_)); }

}  // namespace GuiTesting
