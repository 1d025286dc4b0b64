// Main menus and menu items.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Classes.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// One menu entry; an item with items of its own opens a submenu. A top-level item raises
// OnClick when its menu is opened. The caption "-" makes a separator line.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  Property<std::string, TMenuItem> Caption{this, &TMenuItem::GetCaption, &TMenuItem::SetCaption};
  Property<bool, TMenuItem> Visible{this, &TMenuItem::GetVisible, &TMenuItem::SetVisible};
  Property<bool, TMenuItem> Enabled{this, &TMenuItem::GetEnabled, &TMenuItem::SetEnabled};
  Property<bool, TMenuItem> Checked{this, &TMenuItem::GetChecked, &TMenuItem::SetChecked};
  ReadOnlyProperty<int, TMenuItem> Count{this, &TMenuItem::GetCount};
  IndexedProperty<TMenuItem*, TMenuItem> Items{this, &TMenuItem::GetItem};
  ReadOnlyProperty<TMenuItem*, TMenuItem> Parent{this, &TMenuItem::GetParent};
  TNotifyEvent OnClick;

  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  // Runs OnClick as a choice of the item does.
  void Click();

  std::string GetCaption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool GetVisible() const { return visible_; }
  void SetVisible(bool visible);
  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool GetChecked() const { return checked_; }
  void SetChecked(bool checked);
  int GetCount() const { return static_cast<int>(items_.size()); }
  TMenuItem* GetItem(int index) const;
  TMenuItem* GetParent() const { return parent_; }

  QAction* Action() const { return action_.get(); }

 private:
  friend class TMainMenu;
  void EnsureSubmenu();
  TMainMenu* menu_ = nullptr;  // set on the root item of a main menu
  std::unique_ptr<QAction> action_;
  std::unique_ptr<QMenu> submenu_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
};

// The menu bar of a form; created with a form as owner it becomes that form's Menu.
class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* AOwner);
  ~TMainMenu() override;

  // The top-level items.
  TMenuItem* const Items;

  QMenuBar* Bar() const { return bar_; }
  void AttachTo(QWidget* window);

 private:
  friend class TMenuItem;
  void ItemsChanged();
  QMenuBar* bar_ = nullptr;
};
