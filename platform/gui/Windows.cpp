#include <QApplication>
#include <QPolygon>
#include <QRegion>

#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "Forms.h"
#include "GuiInternal.h"
#include "Windows.h"

struct WindowRegion {
  QPolygon polygon;
  Qt::FillRule rule;
};

BOOL PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (!hWnd || !gui_internal::IsLiveControl(hWnd)) return FALSE;
  gui_internal::EnsureQtApplication();
  auto* bridge = static_cast<QObject*>(hWnd->bridge());
  QCoreApplication::postEvent(bridge, new gui_internal::PostedMessageEvent(TMessage{Msg, wParam, lParam, 0}));
  return TRUE;
}

DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer) {
  std::string dir;
  for (size_t size = 256;; size *= 2) {
    std::string probe(size, '\0');
    if (getcwd(probe.data(), probe.size())) {
      dir = probe.c_str();
      break;
    }
    if (errno != ERANGE) return 0;
  }
  if (!buffer || bufferLength < dir.size() + 1) return static_cast<DWORD>(dir.size() + 1);
  std::memcpy(buffer, dir.c_str(), dir.size() + 1);
  return static_cast<DWORD>(dir.size());
}

DWORD GetTickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<DWORD>(static_cast<unsigned long long>(now.tv_sec) * 1000ULL + now.tv_nsec / 1000000);
}

// No sound device is assumed; the desktop's bell stands for tones of any pitch.
BOOL Beep(DWORD, DWORD) {
  if (QCoreApplication::instance()) QApplication::beep();
  return TRUE;
}

BOOL MessageBeep(UINT) { return Beep(0, 0); }

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
  if (!points || count < 3) return nullptr;
  auto* region = new WindowRegion{QPolygon(), fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill};
  for (int i = 0; i < count; ++i) region->polygon << QPoint(points[i].x, points[i].y);
  return region;
}

int SetWindowRgn(HWND hWnd, HRGN region, BOOL redraw) {
  if (!hWnd || !gui_internal::IsLiveControl(hWnd)) {
    delete region;
    return 0;
  }
  QWidget* widget = hWnd->Widget();
  if (region) widget->setMask(QRegion(region->polygon, region->rule));
  else widget->clearMask();
  delete region;
  if (redraw) widget->update();
  return 1;
}

BOOL DeleteObject(HRGN region) {
  delete region;
  return TRUE;
}
