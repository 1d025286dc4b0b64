// What the layer's own sources share; never included above the platform layer.
#pragma once

#include <QString>
#include <functional>
#include <string>

namespace gui_internal {

// Creates the Qt application object on first use (timers and widgets need it).
void EnsureQtApplication();

// Texts are single-byte; Latin-1 keeps every byte as it is.
inline QString ToQt(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string FromQt(const QString& s) {
  QByteArray bytes = s.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Runs a message loop until done() holds. Each loop looks at its condition again when
// WakeEventLoop is called (after a change that may end one).
void RunLoopUntil(const std::function<bool()>& done);
void WakeEventLoop();

}  // namespace gui_internal

#include <QColor>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "Controls.h"

class QMouseEvent;

namespace gui_internal {

QColor ToQColor(TColor color);

// The modifier keys and mouse buttons held during a mouse event.
TShiftState MouseShift(const QMouseEvent* event);

// A message posted to a window, handled by its Dispatch when it arrives.
class PostedMessageEvent : public QEvent {
 public:
  static QEvent::Type EventType();
  explicit PostedMessageEvent(const TMessage& message) : QEvent(EventType()), message(message) {}
  TMessage message;
};

// Connects a control to its widget: watches the widget's events and takes posted messages.
class ControlBridge : public QObject {
 public:
  ControlBridge(TControl* control, QWidget* widget);
  ~ControlBridge() override;

  TControl* control;
  QPointer<QWidget> widget;
  // Mouse clicks on the widget raise OnClick/OnDblClick (labels, panels, pictures).
  bool forwardMouseClicks = false;
  // Set while the control is taken apart.
  bool muted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
};

// Whether windows are drawn nowhere (tests): such platforms neither raise nor activate them.
bool Headless();

// Makes the window the active one, as the window system does with a window shown or
// clicked; on a headless platform at once, since none does it there. nullptr leaves no
// window active (a window of another program, or a message box, took the activation).
void ActivateWindow(QWidget* window);
// The active window as the program's windows know it (see ActivateWindow).
QWidget* ActiveWindow();

// How many message boxes the program has shown so far.
unsigned long MessageBoxesShown();

// The control a widget belongs to, when it is a control's own widget.
TControl* ControlOf(const QWidget* widget);

// Whether the control exists (a window handle may outlive its window, as on the original
// platform, where messages to it are refused).
bool IsLiveControl(const TControl* control);

}  // namespace gui_internal
