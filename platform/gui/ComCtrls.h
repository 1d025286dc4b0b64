// Page controls, report list views, status bars and progress bars.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Classes.h"
#include "Controls.h"

class TPageControl;
class QTreeWidgetItem;

// ---------------------------------------------------------------------------------------
// Pages

// One page of a page control. A page whose tab is hidden still shows when it is the
// active page.
class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;

  Property<TPageControl*, TTabSheet> PageControl{this, &TTabSheet::GetPageControl, &TTabSheet::SetPageControl};
  Property<bool, TTabSheet> TabVisible{this, &TTabSheet::GetTabVisible, &TTabSheet::SetTabVisible};
  ReadOnlyProperty<int, TTabSheet> PageIndex{this, &TTabSheet::GetPageIndex};

  TPageControl* GetPageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* pageControl);
  bool GetTabVisible() const { return tabVisible_; }
  void SetTabVisible(bool visible);
  int GetPageIndex() const;

 protected:
  void CaptionChanged() override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// Pages with tabs. OnChanging and OnChange follow the user's choice of a tab; assigning
// ActivePage raises neither.
class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;

  Property<TTabSheet*, TPageControl> ActivePage{this, &TPageControl::GetActivePage, &TPageControl::SetActivePage};
  Property<int, TPageControl> ActivePageIndex{this, &TPageControl::GetActivePageIndex, &TPageControl::SetActivePageIndex};
  ReadOnlyProperty<int, TPageControl> PageCount{this, &TPageControl::GetPageCount};
  IndexedProperty<TTabSheet*, TPageControl> Pages{this, &TPageControl::GetPage};
  // 0: the tabs' own height.
  Property<int, TPageControl> TabHeight{this, &TPageControl::GetTabHeight, &TPageControl::SetTabHeight};
  // Tabs that do not fit scroll; kept for the layouts that ask for several rows.
  Property<bool, TPageControl> MultiLine{this, &TPageControl::GetMultiLine, &TPageControl::SetMultiLine};
  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

  TTabSheet* GetActivePage() const { return active_; }
  void SetActivePage(TTabSheet* page);
  int GetActivePageIndex() const;
  void SetActivePageIndex(int index);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* GetPage(int index) const;
  int GetTabHeight() const { return tabHeight_; }
  void SetTabHeight(int height);
  bool GetMultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine) { multiLine_ = multiLine; }

 protected:
  void Resized() override;
  void AlignArea(int& left, int& top, int& width, int& height) const override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void UpdateTabs();
  void PlacePages();
  void ShowActive();
  void TabClicked(int tab);
  int TabBarHeight() const;

  class QTabBar* tabs_;
  std::vector<TTabSheet*> pages_;
  std::vector<TTabSheet*> tabPages_;  // the pages that have a tab, in tab order
  TTabSheet* active_ = nullptr;
  int tabHeight_ = 0;
  bool multiLine_ = false;
  bool syncing_ = false;
};

// ---------------------------------------------------------------------------------------
// List view

class TListView;
class TListItems;

class TListColumn : public TPersistent {
 public:
  Property<std::string, TListColumn> Caption{this, &TListColumn::GetCaption, &TListColumn::SetCaption};
  // 0 hides the column; -2 sizes it to its caption, -1 to its contents.
  Property<int, TListColumn> Width{this, &TListColumn::GetWidth, &TListColumn::SetWidth};
  Property<bool, TListColumn> AutoSize{this, &TListColumn::GetAutoSize, &TListColumn::SetAutoSize};
  Property<TAlignment, TListColumn> Alignment{this, &TListColumn::GetAlignment, &TListColumn::SetAlignment};
  ReadOnlyProperty<int, TListColumn> Index{this, &TListColumn::GetIndex};

  std::string GetCaption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int GetWidth() const;
  void SetWidth(int width);
  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { alignment_ = alignment; }
  int GetIndex() const;

 private:
  friend class TListColumns;
  friend class TListView;
  explicit TListColumn(TListView* view) : view_(view) {}
  TListView* view_;
  std::string caption_;
  int width_ = 50;
  bool autoSize_ = false;
  TAlignment alignment_ = taLeftJustify;
};

class TListColumns : public TPersistent {
 public:
  ~TListColumns() override;

  ReadOnlyProperty<int, TListColumns> Count{this, &TListColumns::GetCount};
  IndexedProperty<TListColumn*, TListColumns> Items{this, &TListColumns::GetItem};
  TListColumn* operator[](int index) const { return GetItem(index); }

  TListColumn* Add();
  void Clear();
  void Delete(int index);
  void BeginUpdate() {}
  void EndUpdate() {}

  int GetCount() const { return static_cast<int>(columns_.size()); }
  TListColumn* GetItem(int index) const;

 private:
  friend class TListView;
  friend class TListColumn;
  explicit TListColumns(TListView* view) : view_(view) {}
  TListView* view_;
  std::vector<TListColumn*> columns_;
};

// One row: Caption is the first column, SubItems the following ones.
class TListItem : public TPersistent {
 public:
  ~TListItem() override;

  Property<std::string, TListItem> Caption{this, &TListItem::GetCaption, &TListItem::SetCaption};
  TStrings* const SubItems;
  Property<bool, TListItem> Selected{this, &TListItem::GetSelected, &TListItem::SetSelected};
  Property<bool, TListItem> Focused{this, &TListItem::GetFocused, &TListItem::SetFocused};
  Property<bool, TListItem> Checked{this, &TListItem::GetChecked, &TListItem::SetChecked};
  ReadOnlyProperty<int, TListItem> Index{this, &TListItem::GetIndex};
  ReadOnlyProperty<TListView*, TListItem> ListView{this, &TListItem::GetListView};
  void* Data = nullptr;

  void Delete();
  void MakeVisible(bool partialOk = true);

  std::string GetCaption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool GetSelected() const;
  void SetSelected(bool selected);
  bool GetFocused() const;
  void SetFocused(bool focused);
  bool GetChecked() const;
  void SetChecked(bool checked);
  int GetIndex() const;
  TListView* GetListView() const { return view_; }

 private:
  friend class TListItems;
  friend class TListView;
  friend class ListSubItems;
  explicit TListItem(TListView* view);
  void SubItemsChanged();
  TListView* view_;
  QTreeWidgetItem* row_;
  std::string caption_;
};

class TListItems : public TPersistent {
 public:
  ~TListItems() override;

  ReadOnlyProperty<int, TListItems> Count{this, &TListItems::GetCount};
  IndexedProperty<TListItem*, TListItems> Item{this, &TListItems::GetItem};
  TListItem* operator[](int index) const { return GetItem(index); }

  TListItem* Add();
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  void BeginUpdate();
  void EndUpdate();

  int GetCount() const { return static_cast<int>(items_.size()); }
  TListItem* GetItem(int index) const;

 private:
  friend class TListView;
  friend class TListItem;
  explicit TListItems(TListView* view) : view_(view) {}
  TListView* view_;
  std::vector<TListItem*> items_;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TItemChange { ctText, ctImage, ctState };

using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVChangingEvent =
    std::function<void(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange)>;

// A list in report style: a header of columns and one row per item.
//   OnSelectItem(item, selected): an item lost or gained the selection, by the user or
//     by the program (the old item's loss comes first).
//   OnChanging/OnChange: an item's text or selection state is about to change / changed.
//   OnClick, OnDblClick: the user's clicks in the list.
//   OnDataStateChange: rows were added, deleted or cleared (after the change).
class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* AOwner);
  ~TListView() override;

  TListColumns* const Columns;
  TListItems* const Items;
  Property<TListItem*, TListView> Selected{this, &TListView::GetSelected, &TListView::SetSelected};
  Property<TListItem*, TListView> ItemFocused{this, &TListView::GetItemFocused, &TListView::SetItemFocused};
  Property<int, TListView> ItemIndex{this, &TListView::GetItemIndex, &TListView::SetItemIndex};
  ReadOnlyProperty<int, TListView> SelCount{this, &TListView::GetSelCount};
  Property<TViewStyle, TListView> ViewStyle{this, &TListView::GetViewStyle, &TListView::SetViewStyle};
  Property<bool, TListView> ReadOnly{this, &TListView::GetReadOnly, &TListView::SetReadOnly};
  Property<bool, TListView> RowSelect{this, &TListView::GetRowSelect, &TListView::SetRowSelect};
  Property<bool, TListView> HideSelection{this, &TListView::GetHideSelection, &TListView::SetHideSelection};
  Property<bool, TListView> GridLines{this, &TListView::GetGridLines, &TListView::SetGridLines};
  Property<bool, TListView> MultiSelect{this, &TListView::GetMultiSelect, &TListView::SetMultiSelect};
  Property<bool, TListView> Checkboxes{this, &TListView::GetCheckboxes, &TListView::SetCheckboxes};
  ReadOnlyProperty<TListItem*, TListView> TopItem{this, &TListView::GetTopItem};

  TLVSelectItemEvent OnSelectItem;
  TLVChangeEvent OnChange;
  TLVChangingEvent OnChanging;
  TNotifyEvent OnDataStateChange;

  void ClearSelection();

  TListItem* GetSelected() const;
  void SetSelected(TListItem* item);
  TListItem* GetItemFocused() const;
  void SetItemFocused(TListItem* item);
  int GetItemIndex() const;
  void SetItemIndex(int index);
  int GetSelCount() const;
  TViewStyle GetViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle style);
  bool GetReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool GetRowSelect() const { return rowSelect_; }
  void SetRowSelect(bool rowSelect);
  bool GetHideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hide) { hideSelection_ = hide; }
  bool GetGridLines() const { return gridLines_; }
  void SetGridLines(bool gridLines);
  bool GetMultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multiSelect);
  bool GetCheckboxes() const { return checkboxes_; }
  void SetCheckboxes(bool checkboxes);
  TListItem* GetTopItem() const;
  // The row at a point of the rows' area (the coordinates of OnMouseMove), or null.
  TListItem* GetItemAt(int x, int y) const;

 private:
  friend class TListColumns;
  friend class TListColumn;
  friend class TListItems;
  friend class TListItem;
  void ColumnsChanged();
  void ApplyColumnWidth(int index);
  int ColumnWidthShown(int index) const;
  bool ItemChanging(TListItem* item, TItemChange change);
  void ItemChanged(TListItem* item, TItemChange change);
  void SelectionChanged();
  void RowsChanged();
  TListItem* ItemOf(QTreeWidgetItem* row) const;
  void ShowRow(TListItem* item);

  std::vector<TListItem*> selected_;  // as last reported through OnSelectItem
  TViewStyle viewStyle_ = vsIcon;
  bool readOnly_ = false;
  bool rowSelect_ = false;
  bool hideSelection_ = true;
  bool gridLines_ = false;
  bool multiSelect_ = false;
  bool checkboxes_ = false;
  int quiet_ = 0;  // above 0 while items go away: no selection events
};

// ---------------------------------------------------------------------------------------
// Status bar

class TStatusBar;

class TStatusPanel : public TPersistent {
 public:
  Property<std::string, TStatusPanel> Text{this, &TStatusPanel::GetText, &TStatusPanel::SetText};
  Property<int, TStatusPanel> Width{this, &TStatusPanel::GetWidth, &TStatusPanel::SetWidth};
  ReadOnlyProperty<int, TStatusPanel> Index{this, &TStatusPanel::GetIndex};

  std::string GetText() const { return text_; }
  void SetText(const std::string& text);
  int GetWidth() const { return width_; }
  void SetWidth(int width);
  int GetIndex() const;

 private:
  friend class TStatusPanels;
  explicit TStatusPanel(TStatusBar* bar) : bar_(bar) {}
  TStatusBar* bar_;
  std::string text_;
  int width_ = 50;
};

class TStatusPanels : public TPersistent {
 public:
  ~TStatusPanels() override;

  ReadOnlyProperty<int, TStatusPanels> Count{this, &TStatusPanels::GetCount};
  IndexedProperty<TStatusPanel*, TStatusPanels> Items{this, &TStatusPanels::GetItem};
  TStatusPanel* operator[](int index) const { return GetItem(index); }

  TStatusPanel* Add();
  void Clear();
  void Delete(int index);

  int GetCount() const { return static_cast<int>(panels_.size()); }
  TStatusPanel* GetItem(int index) const;

 private:
  friend class TStatusBar;
  friend class TStatusPanel;
  friend class StatusBarWidget;
  explicit TStatusPanels(TStatusBar* bar) : bar_(bar) {}
  TStatusBar* bar_;
  std::vector<TStatusPanel*> panels_;
};

// A status line at the foot of a window: panels side by side, or one simple text. The
// simple text shows when SimplePanel is set or the bar has no panels.
class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;

  TStatusPanels* const Panels;
  Property<bool, TStatusBar> SimplePanel{this, &TStatusBar::GetSimplePanel, &TStatusBar::SetSimplePanel};
  Property<std::string, TStatusBar> SimpleText{this, &TStatusBar::GetSimpleText, &TStatusBar::SetSimpleText};

  bool GetSimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool simple);
  std::string GetSimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);

 private:
  friend class TStatusPanel;
  friend class TStatusPanels;
  friend class StatusBarWidget;
  bool simplePanel_ = false;
  std::string simpleText_;
};

// ---------------------------------------------------------------------------------------

class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(TComponent* AOwner);

  Property<int, TProgressBar> Min{this, &TProgressBar::GetMin, &TProgressBar::SetMin};
  Property<int, TProgressBar> Max{this, &TProgressBar::GetMax, &TProgressBar::SetMax};
  Property<int, TProgressBar> Position{this, &TProgressBar::GetPosition, &TProgressBar::SetPosition};
  Property<int, TProgressBar> Step{this, &TProgressBar::GetStep, &TProgressBar::SetStep};

  void StepIt();
  void StepBy(int delta) { SetPosition(GetPosition() + delta); }

  int GetMin() const;
  void SetMin(int min);
  int GetMax() const;
  void SetMax(int max);
  int GetPosition() const;
  void SetPosition(int position);
  int GetStep() const { return step_; }
  void SetStep(int step) { step_ = step; }

 private:
  int step_ = 10;
};
