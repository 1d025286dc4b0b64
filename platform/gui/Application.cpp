#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QWidget>
#include <QEventLoop>

#include <vector>

#include "Forms.h"
#include "GuiInternal.h"

namespace {
int qtArgc = 1;
char defaultProgramName[] = "nvs7000d";
char* defaultArgv[] = {defaultProgramName, nullptr};
char** qtArgv = defaultArgv;
}  // namespace

namespace gui_internal {

void EnsureQtApplication() {
  if (QCoreApplication::instance()) return;
  new QApplication(qtArgc, qtArgv);
  QApplication::setQuitOnLastWindowClosed(false);
}

static std::vector<QEventLoop*>& RunningLoops() {
  static auto* loops = new std::vector<QEventLoop*>;  // outlives every form at exit
  return *loops;
}

// A real event loop (not a polling one), so that objects Qt deletes later do go.
void RunLoopUntil(const std::function<bool()>& done) {
  EnsureQtApplication();
  QEventLoop loop;
  RunningLoops().push_back(&loop);
  while (!done()) loop.exec();
  RunningLoops().pop_back();
}

bool Headless() {
  static const bool headless =
      QGuiApplication::platformName() == "offscreen" || QGuiApplication::platformName() == "minimal";
  return headless;
}

// The window the program made active last. A headless platform reports each window shown
// as activated, later; such a report may come after the program has moved on, so there the
// forms go by this and not by the platform's word.
static QPointer<QWidget>& ActivatedWindow() {
  static auto* window = new QPointer<QWidget>;  // outlives every window at exit
  return *window;
}

QWidget* ActiveWindow() { return Headless() ? ActivatedWindow().data() : QApplication::activeWindow(); }

static void TellActivationChange(QWidget* window) {
  QEvent change(QEvent::ActivationChange);
  QApplication::sendEvent(window, &change);
}

void ActivateWindow(QWidget* window) {
  if (!Headless()) {
    if (!window) return;
    window->raise();
    window->activateWindow();
    return;
  }
  QPointer<QWidget> left = ActivatedWindow();
  ActivatedWindow() = window;
  // The window left is told first, as the window system tells it.
  if (left && left != window) TellActivationChange(left);
  if (QApplication::activeWindow() != window) {
    if (QApplication::activeWindow()) QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(window);
  }
  if (window && left != window) TellActivationChange(window);
}

void WakeEventLoop() {
  for (QEventLoop* loop : RunningLoops()) loop->quit();
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

}  // namespace gui_internal

void GuardedCall(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    Application->HandleException(nullptr);
  }
}

// Never destroyed: at exit Qt's own globals go first, and freeing windows after them would
// crash. Run frees the forms once its loop has ended.
TApplication* Application = new TApplication;

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() { DestroyComponents(); }

void TApplication::SetCommandLine(int argc, char** argv) {
  if (QCoreApplication::instance() || argc < 1) return;
  qtArgc = argc;
  qtArgv = argv;
}

void TApplication::Initialize() { gui_internal::EnsureQtApplication(); }

std::string TApplication::GetExeName() const {
  gui_internal::EnsureQtApplication();
  // A path keeps its bytes as the file system has them, whatever the characters.
  return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}

void TApplication::Terminate() {
  terminated_ = true;
  if (QCoreApplication::instance()) gui_internal::WakeEventLoop();
}

void TApplication::ProcessMessages() {
  gui_internal::EnsureQtApplication();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleException(TObject* Sender) {
  try {
    throw;
  } catch (const std::exception& e) {
    ShowException(e);
  } catch (...) {
    ShowException(Exception("Unknown exception"));
  }
}
