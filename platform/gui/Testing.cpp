#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QRegion>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>

#include "ComCtrls.h"
#include "Forms.h"
#include "GuiInternal.h"
#include "GuiTesting.h"
#include "Menus.h"
#include "StdCtrls.h"

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

static void Mouse(QWidget* w, QEvent::Type type, QPoint at) {
  QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

// What the window system does with a press before the control sees it: the window pressed
// becomes the active one, and the first widget from the point outwards that takes the focus
// on a click gets it, so the control left gets its exit event. False when that exit put up a
// message box: the box took the mouse, and the press is lost.
static bool FocusOnPress(QWidget* w, QPoint at) {
  const unsigned long boxesBefore = gui_internal::MessageBoxesShown();
  QWidget* window = w->window();
  if (QApplication::activeWindow() != window) gui_internal::ActivateWindow(window);
  for (QWidget* f = w; f; f = f->parentWidget()) {
    QWidget* taker = f->focusProxy() ? f->focusProxy() : f;
    if (f->isEnabled() && f->rect().contains(at) && (taker->focusPolicy() & Qt::ClickFocus)) {
      f->setFocus(Qt::MouseFocusReason);
      break;
    }
    // A click beside the focused widget leaves the focus where it is.
    if (f->isWindow() || taker->hasFocus()) break;
    at += f->pos();
  }
  return gui_internal::MessageBoxesShown() == boxesBefore;
}

static void Click(QWidget* w, QPoint at) {
  if (!FocusOnPress(w, at)) return;
  Mouse(w, QEvent::MouseButtonPress, at);
  Mouse(w, QEvent::MouseButtonRelease, at);
}

void UserClick(TControl* control) {
  QWidget* w = control->Widget();
  // Check boxes and radio buttons take clicks on their mark and their text only.
  bool markFirst = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
  Click(w, markFirst ? QPoint(7, w->height() / 2) : w->rect().center());
}

void UserDoubleClick(TControl* control) {
  QWidget* w = control->Widget();
  if (auto* tree = qobject_cast<QTreeWidget*>(w)) w = tree->viewport();
  QPoint at = w->rect().center();
  if (!FocusOnPress(w, at)) return;
  Mouse(w, QEvent::MouseButtonPress, at);
  Mouse(w, QEvent::MouseButtonRelease, at);
  Mouse(w, QEvent::MouseButtonDblClick, at);
  Mouse(w, QEvent::MouseButtonRelease, at);
}

// The middle of the part of the item's row that the view shows (a wide row scrolls).
static QPoint ItemPoint(QTreeWidget* tree, TListItem* item) {
  QTreeWidgetItem* row = tree->topLevelItem(item->GetIndex());
  return tree->visualItemRect(row).intersected(tree->viewport()->rect()).center();
}

void UserClickItem(TListView* view, TListItem* item) {
  auto* tree = static_cast<QTreeWidget*>(view->Widget());
  Click(tree->viewport(), ItemPoint(tree, item));
}

void UserDoubleClickItem(TListView* view, TListItem* item) {
  auto* tree = static_cast<QTreeWidget*>(view->Widget());
  const QPoint at = ItemPoint(tree, item);
  if (!FocusOnPress(tree->viewport(), at)) return;
  Mouse(tree->viewport(), QEvent::MouseButtonPress, at);
  Mouse(tree->viewport(), QEvent::MouseButtonRelease, at);
  Mouse(tree->viewport(), QEvent::MouseButtonDblClick, at);
  Mouse(tree->viewport(), QEvent::MouseButtonRelease, at);
}

static void MoveTo(QWidget* w, QPoint at) {
  QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

void UserMouseMove(TControl* control, int x, int y) {
  QWidget* w = control->Widget();
  if (auto* tree = qobject_cast<QTreeWidget*>(w)) w = tree->viewport();
  MoveTo(w, QPoint(x, y));
}

void UserMouseMoveOverItem(TListView* view, TListItem* item) {
  auto* tree = static_cast<QTreeWidget*>(view->Widget());
  MoveTo(tree->viewport(), tree->visualItemRect(tree->topLevelItem(item->GetIndex())).center());
}

bool Paints(TControl* control) { return control->Widget()->updatesEnabled(); }

std::vector<std::string> WindowRegion(TControl* control) {
  QWidget* w = control->Widget();
  const QRegion mask = w->mask();
  std::vector<std::string> rows;
  if (mask.isEmpty()) return rows;
  for (int y = 0; y < w->height(); ++y) {
    std::string row;
    for (int x = 0; x < w->width(); ++x) row += mask.contains(QPoint(x, y)) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

void UserChoose(TComboBox* combo, int index) {
  auto* box = static_cast<QComboBox*>(combo->Widget());
  if (!FocusOnPress(box, box->rect().center())) return;
  box->setCurrentIndex(index);
  emit box->activated(index);
}

static void Key(QWidget* w, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
}

void UserType(TWinControl* control, const std::string& text) {
  QWidget* w = control->Widget();
  // A click into the control, where its text stays as it is (focus by Tab would select it).
  if (!w->hasFocus() && !FocusOnPress(w, w->rect().center())) return;
  for (char c : text) {
    QChar ch(static_cast<unsigned char>(c));
    int key = ch.isLetter() ? ch.toUpper().unicode() : ch.unicode();
    Key(w, key, QString(ch));
  }
}

void UserKey(TWinControl* control, unsigned short virtualKey) {
  int key = virtualKey;
  QString text;
  switch (virtualKey) {
    case VK_BACK: key = Qt::Key_Backspace; text = QString(QChar(8)); break;
    case VK_RETURN: key = Qt::Key_Return; text = QString(QChar(13)); break;
    case VK_ESCAPE: key = Qt::Key_Escape; text = QString(QChar(27)); break;
    case VK_TAB: key = Qt::Key_Tab; break;
    case VK_DELETE: key = Qt::Key_Delete; break;
    case VK_LEFT: key = Qt::Key_Left; break;
    case VK_RIGHT: key = Qt::Key_Right; break;
    case VK_UP: key = Qt::Key_Up; break;
    case VK_DOWN: key = Qt::Key_Down; break;
    case VK_HOME: key = Qt::Key_Home; break;
    case VK_END: key = Qt::Key_End; break;
    case VK_PRIOR: key = Qt::Key_PageUp; break;
    case VK_NEXT: key = Qt::Key_PageDown; break;
    case VK_SPACE: key = Qt::Key_Space; text = QStringLiteral(" "); break;
  }
  Key(control->Widget(), key, text);
}

void UserChooseItemByKeys(TListView* view, TListItem* item) {
  auto* tree = static_cast<QTreeWidget*>(view->Widget());
  if (!tree->hasFocus()) UserFocus(view);
  const int target = item->GetIndex();
  // One step more than the rows: a row the keys cannot reach ends the loop as well.
  for (int steps = tree->topLevelItemCount() + 1; steps > 0; --steps) {
    const QModelIndex current = tree->currentIndex();
    if (current.isValid() && current.row() == target) {
      // The row has the focus mark but is not chosen yet (the list was just entered).
      if (view->Selected() != item) UserKey(view, VK_SPACE);
      return;
    }
    UserKey(view, !current.isValid() || current.row() < target ? VK_DOWN : VK_UP);
  }
}

void UserFocus(TWinControl* control) { control->Widget()->setFocus(Qt::TabFocusReason); }

void UserCloseWindow(TCustomForm* form) { form->Widget()->close(); }

void UserSelectTab(TPageControl* pages, int tab) {
  auto* bar = pages->Widget()->findChild<QTabBar*>();
  if (!bar) return;
  if (!FocusOnPress(bar, bar->tabRect(tab).center())) return;
  bar->setCurrentIndex(tab);
}

void UserChooseMenuItem(TMenuItem* item) {
  QAction* action = item->Action();
  if (!action->isEnabled() || !action->isVisible()) return;
  if (QMenu* menu = action->menu()) emit menu->aboutToShow();
  else action->trigger();
}

}  // namespace GuiTesting
