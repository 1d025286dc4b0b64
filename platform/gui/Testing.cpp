#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include "Forms.h"
#include "GuiInternal.h"
#include "GuiTesting.h"

namespace GuiTesting {

bool ProcessUntil(const std::function<bool()>& condition, int timeoutMs) {
  gui_internal::EnsureQtApplication();
  QDeadlineTimer deadline(timeoutMs);
  QTimer wake;  // bounds each wait so the deadline is looked at
  wake.start(10);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

}  // namespace GuiTesting
