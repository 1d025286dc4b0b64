#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

#include "Forms.h"
#include "GuiInternal.h"
#include "Menus.h"

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
  gui_internal::EnsureQtApplication();
  action_ = std::make_unique<QAction>();
  QObject::connect(action_.get(), &QAction::triggered, [this] { Click(); });
}

TMenuItem::~TMenuItem() {
  if (parent_) parent_->Remove(this);
  for (TMenuItem* item : items_) item->parent_ = nullptr;
}

TMenuItem* TMenuItem::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) throw Exception("Menu index out of range");
  return items_[index];
}

void TMenuItem::EnsureSubmenu() {
  if (submenu_) return;
  submenu_ = std::make_unique<QMenu>();
  action_->setMenu(submenu_.get());
  // Opening a menu counts as a click on its item (the item may update its entries).
  QObject::connect(submenu_.get(), &QMenu::aboutToShow, [this] { Click(); });
}

void TMenuItem::Add(TMenuItem* item) { Insert(GetCount(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_) throw Exception("Menu inserted twice");
  if (index < 0 || index > GetCount()) throw Exception("Menu index out of range");
  EnsureSubmenu();
  QAction* before = index < GetCount() ? items_[index]->Action() : nullptr;
  submenu_->insertAction(before, item->Action());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  if (menu_) menu_->ItemsChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  if (submenu_) submenu_->removeAction(item->Action());
  item->parent_ = nullptr;
  if (menu_) menu_->ItemsChanged();
}

void TMenuItem::Click() { FireEvent(OnClick, this); }

void TMenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  action_->setSeparator(caption == "-");
  action_->setText(gui_internal::ToQt(caption));
  if (submenu_) submenu_->setTitle(gui_internal::ToQt(caption));
}

void TMenuItem::SetVisible(bool visible) {
  visible_ = visible;
  action_->setVisible(visible);
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  action_->setEnabled(enabled);
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  action_->setCheckable(checked || action_->isCheckable());
  action_->setChecked(checked);
}

// ---------------------------------------------------------------------------------------

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), Items(new TMenuItem(nullptr)) {
  gui_internal::EnsureQtApplication();
  Items->menu_ = this;
  if (auto* form = dynamic_cast<TCustomForm*>(AOwner); form && !form->GetMenu()) form->SetMenu(this);
}

TMainMenu::~TMainMenu() {
  if (auto* form = dynamic_cast<TCustomForm*>(GetOwner()); form && form->GetMenu() == this) form->SetMenu(nullptr);
  delete Items;
  delete bar_;
}

void TMainMenu::AttachTo(QWidget* window) {
  if (!bar_) {
    bar_ = new QMenuBar();
    QObject::connect(bar_, &QObject::destroyed, [this] { bar_ = nullptr; });
  }
  bar_->setParent(window);
  bar_->setNativeMenuBar(false);
  ItemsChanged();
  bar_->show();
}

void TMainMenu::ItemsChanged() {
  if (!bar_) return;
  bar_->clear();
  for (int i = 0; i < Items->Count; ++i) bar_->addAction(Items->Items[i]->Action());
}
