#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QTabBar>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <algorithm>

#include "ComCtrls.h"
#include "GuiInternal.h"

using gui_internal::FromQt;
using gui_internal::ToQt;

namespace {

template <class W>
W* Make() {
  gui_internal::EnsureQtApplication();
  return new W();
}

[[noreturn]] void OutOfBounds(int index) { throw Exception("List index out of bounds (" + std::to_string(index) + ")"); }

}  // namespace

// ---------------------------------------------------------------------------------------
// TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner, Make<QWidget>()) {
  SetBounds(0, 0, 185, 41);
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
  if (pageControl == pageControl_) return;
  if (pageControl_) pageControl_->RemovePage(this);
  pageControl_ = nullptr;
  SetParent(pageControl);
  pageControl_ = pageControl;
  if (pageControl_) pageControl_->InsertPage(this);
}

void TTabSheet::SetTabVisible(bool visible) {
  tabVisible_ = visible;
  if (pageControl_) pageControl_->UpdateTabs();
}

int TTabSheet::GetPageIndex() const {
  if (!pageControl_) return -1;
  auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::CaptionChanged() {
  if (pageControl_) pageControl_->UpdateTabs();
}

// ---------------------------------------------------------------------------------------
// TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner, Make<QWidget>()) {
  tabs_ = new QTabBar(Widget());
  tabs_->setExpanding(false);
  tabs_->setUsesScrollButtons(true);
  QObject::connect(tabs_, &QTabBar::currentChanged, [this](int tab) { TabClicked(tab); });
  SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
  tabs_->disconnect();
  // Pages take themselves out as they go.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
}

TTabSheet* TPageControl::GetPage(int index) const {
  if (index < 0 || index >= GetPageCount()) OutOfBounds(index);
  return pages_[index];
}

int TPageControl::GetActivePageIndex() const { return active_ ? active_->GetPageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < GetPageCount() ? pages_[index] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  active_ = page;
  ShowActive();
}

void TPageControl::SetTabHeight(int height) {
  tabHeight_ = height;
  PlacePages();
}

int TPageControl::TabBarHeight() const {
  if (tabPages_.empty()) return 0;
  return tabHeight_ > 0 ? tabHeight_ + 4 : tabs_->sizeHint().height();
}

void TPageControl::AlignArea(int& left, int& top, int& width, int& height) const {
  int tabHeight = TabBarHeight();
  left = 2;
  top = tabHeight + 2;
  width = std::max(GetClientWidth() - 4, 0);
  height = std::max(GetClientHeight() - tabHeight - 4, 0);
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  UpdateTabs();
  if (!active_) active_ = page;
  PlacePages();
  ShowActive();
}

void TPageControl::RemovePage(TTabSheet* page) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  page->pageControl_ = nullptr;
  if (active_ == page) active_ = pages_.empty() ? nullptr : pages_.front();
  UpdateTabs();
  ShowActive();
}

void TPageControl::UpdateTabs() {
  syncing_ = true;
  while (tabs_->count() > 0) tabs_->removeTab(0);
  tabPages_.clear();
  for (TTabSheet* page : pages_) {
    if (!page->tabVisible_) continue;
    tabs_->addTab(ToQt(page->GetCaption()));
    tabPages_.push_back(page);
  }
  syncing_ = false;
  PlacePages();
  ShowActive();
}

void TPageControl::PlacePages() {
  int left, top, width, height;
  AlignArea(left, top, width, height);
  tabs_->setGeometry(0, 0, GetClientWidth(), TabBarHeight());
  tabs_->setVisible(!tabPages_.empty());
  for (TTabSheet* page : pages_) page->SetAlignedBounds(left, top, width, height);
}

void TPageControl::ShowActive() {
  syncing_ = true;
  auto tab = std::find(tabPages_.begin(), tabPages_.end(), active_);
  if (tab != tabPages_.end()) tabs_->setCurrentIndex(static_cast<int>(tab - tabPages_.begin()));
  syncing_ = false;
  for (TTabSheet* page : pages_) page->Widget()->setVisible(page == active_ && page->GetVisible());
}

void TPageControl::Resized() {
  TWinControl::Resized();
  PlacePages();
}

void TPageControl::TabClicked(int tab) {
  if (syncing_ || tab < 0 || tab >= static_cast<int>(tabPages_.size())) return;
  bool allow = true;
  if (OnChanging) FireEvent(OnChanging, this, allow);
  if (!allow) {
    ShowActive();
    return;
  }
  active_ = tabPages_[tab];
  ShowActive();
  FireEvent(OnChange, this);
}

// ---------------------------------------------------------------------------------------
// List view: columns

static QTreeWidget* TreeOf(const TControl* c) { return static_cast<QTreeWidget*>(c->Widget()); }

void TListColumn::SetCaption(const std::string& caption) {
  caption_ = caption;
  view_->ColumnsChanged();
}

int TListColumn::GetWidth() const { return width_ >= 0 ? width_ : view_->ColumnWidthShown(GetIndex()); }

void TListColumn::SetWidth(int width) {
  width_ = width;
  int index = GetIndex();
  if (index >= 0) view_->ApplyColumnWidth(index);
}

int TListColumn::GetIndex() const {
  auto& columns = view_->Columns->columns_;
  auto it = std::find(columns.begin(), columns.end(), this);
  return it == columns.end() ? -1 : static_cast<int>(it - columns.begin());
}

TListColumns::~TListColumns() {
  for (TListColumn* c : columns_) delete c;
}

TListColumn* TListColumns::Add() {
  columns_.push_back(new TListColumn(view_));
  view_->ColumnsChanged();
  return columns_.back();
}

void TListColumns::Clear() {
  for (TListColumn* c : columns_) delete c;
  columns_.clear();
  view_->ColumnsChanged();
}

void TListColumns::Delete(int index) {
  TListColumn* c = GetItem(index);
  columns_.erase(columns_.begin() + index);
  delete c;
  view_->ColumnsChanged();
}

TListColumn* TListColumns::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) OutOfBounds(index);
  return columns_[index];
}

// ---------------------------------------------------------------------------------------
// List view: items

class ListSubItems : public TStringList {
 public:
  explicit ListSubItems(TListItem* item) : item_(item) {}

 protected:
  void Changed() override { item_->SubItemsChanged(); }

 private:
  TListItem* item_;
};

TListItem::TListItem(TListView* view) : SubItems(new ListSubItems(this)), view_(view), row_(new QTreeWidgetItem()) {
  row_->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(this)));
  row_->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

TListItem::~TListItem() {
  delete row_;
  delete SubItems;
}

void TListItem::SetCaption(const std::string& caption) {
  if (!view_->ItemChanging(this, ctText)) return;
  caption_ = caption;
  row_->setText(0, ToQt(caption));
  view_->ItemChanged(this, ctText);
}

void TListItem::SubItemsChanged() {
  if (!view_->ItemChanging(this, ctText)) return;
  int count = SubItems->GetCount();
  for (int i = 0; i < count; ++i) row_->setText(i + 1, ToQt(SubItems->Get(i)));
  for (int i = count + 1; i < row_->columnCount(); ++i) row_->setText(i, QString());
  view_->ItemChanged(this, ctText);
}

bool TListItem::GetSelected() const { return row_->isSelected(); }

void TListItem::SetSelected(bool selected) {
  QTreeWidget* tree = TreeOf(view_);
  if (selected && !view_->multiSelect_) {
    tree->setCurrentItem(row_, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  } else {
    row_->setSelected(selected);
  }
}

bool TListItem::GetFocused() const { return TreeOf(view_)->currentItem() == row_; }

void TListItem::SetFocused(bool focused) {
  QTreeWidget* tree = TreeOf(view_);
  if (focused) tree->setCurrentItem(row_, 0, QItemSelectionModel::NoUpdate);
  else if (tree->currentItem() == row_) tree->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
}

bool TListItem::GetChecked() const { return row_->checkState(0) == Qt::Checked; }
void TListItem::SetChecked(bool checked) { row_->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked); }

int TListItem::GetIndex() const {
  auto& items = view_->Items->items_;
  auto it = std::find(items.begin(), items.end(), this);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TListItem::Delete() { view_->Items->Delete(GetIndex()); }

void TListItem::MakeVisible(bool) { TreeOf(view_)->scrollToItem(row_); }

TListItems::~TListItems() {
  for (TListItem* item : items_) delete item;
}

TListItem* TListItems::Add() { return Insert(GetCount()); }

TListItem* TListItems::Insert(int index) {
  if (index < 0 || index > GetCount()) OutOfBounds(index);
  auto* item = new TListItem(view_);
  if (view_->checkboxes_) item->row_->setCheckState(0, Qt::Unchecked);
  items_.insert(items_.begin() + index, item);
  TreeOf(view_)->insertTopLevelItem(index, item->row_);
  view_->RowsChanged();
  return item;
}

void TListItems::Delete(int index) {
  TListItem* item = GetItem(index);
  ++view_->quiet_;
  items_.erase(items_.begin() + index);
  auto& selected = view_->selected_;
  selected.erase(std::remove(selected.begin(), selected.end(), item), selected.end());
  delete item;
  --view_->quiet_;
  view_->ItemChanged(nullptr, ctState);  // the count has changed
  view_->RowsChanged();
}

void TListItems::Clear() {
  ++view_->quiet_;
  std::vector<TListItem*> items;
  items.swap(items_);
  view_->selected_.clear();
  TreeOf(view_)->clear();
  for (TListItem* item : items) {
    item->row_ = nullptr;  // the tree has freed the rows
    delete item;
  }
  --view_->quiet_;
  // A count shown beside the list follows a read that brings no rows.
  if (!items.empty()) view_->ItemChanged(nullptr, ctState);
  if (!items.empty()) view_->RowsChanged();
}

void TListItems::BeginUpdate() { TreeOf(view_)->setUpdatesEnabled(false); }
void TListItems::EndUpdate() { TreeOf(view_)->setUpdatesEnabled(true); }

TListItem* TListItems::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) OutOfBounds(index);
  return items_[index];
}

// ---------------------------------------------------------------------------------------
// List view

namespace {
// Draws the grid lines of a report list.
class ListWidget : public QTreeWidget {
 public:
  bool gridLines = false;

 protected:
  void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QTreeWidget::drawRow(painter, option, index);
    if (!gridLines) return;
    painter->save();
    painter->setPen(QColor(208, 208, 208));
    const QRect& r = option.rect;
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    for (int column = 0; column < columnCount(); ++column) {
      if (isColumnHidden(column)) continue;
      int x = columnViewportPosition(column) + columnWidth(column) - 1;
      painter->drawLine(x, r.top(), x, r.bottom());
    }
    painter->restore();
  }
};

// Rows two pixels taller than their text: the grid line under a row then never covers what
// sits on the text's last pixel row, such as underscores.
class RowsWithRoom : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rheight() += 2;
    return size;
  }
};

// Clicks land on the list's viewport.
class ViewportClicks : public QObject {
 public:
  explicit ViewportClicks(TListView* view) : view_(view) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
      FireEvent(view_->OnClick, view_);
    else if (event->type() == QEvent::MouseButtonDblClick)
      FireEvent(view_->OnDblClick, view_);
    else if (event->type() == QEvent::MouseMove) {
      auto* e = static_cast<QMouseEvent*>(event);
      const QPoint at = e->position().toPoint();
      FireEvent(view_->OnMouseMove, view_, gui_internal::MouseShift(e), at.x(), at.y());
    }
    return false;
  }

 private:
  TListView* view_;
};
}  // namespace

TListView::TListView(TComponent* AOwner)
    : TWinControl(AOwner, Make<ListWidget>()), Columns(new TListColumns(this)), Items(new TListItems(this)) {
  QTreeWidget* tree = TreeOf(this);
  tree->setRootIsDecorated(false);
  tree->setUniformRowHeights(true);
  tree->setItemDelegate(new RowsWithRoom(tree));
  tree->setItemsExpandable(false);
  tree->setAllColumnsShowFocus(true);
  tree->setSelectionBehavior(QAbstractItemView::SelectRows);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree->header()->setStretchLastSection(false);
  tree->header()->setSectionsMovable(false);
  tree->header()->setMinimumSectionSize(1);
  tree->setColumnCount(0);
  tree->setHeaderHidden(true);
  auto* clicks = new ViewportClicks(this);
  clicks->setParent(tree);
  tree->viewport()->installEventFilter(clicks);
  tree->viewport()->setMouseTracking(true);  // moves arrive without a button held
  QObject::connect(tree, &QTreeWidget::itemSelectionChanged, [this] { SelectionChanged(); });
  SetBounds(0, 0, 250, 150);
  color_ = clWindow;
}

TListView::~TListView() {
  TreeOf(this)->disconnect();
  ++quiet_;
  delete Items;
  delete Columns;
}

TListItem* TListView::ItemOf(QTreeWidgetItem* row) const {
  return row ? static_cast<TListItem*>(row->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

void TListView::ColumnsChanged() {
  QTreeWidget* tree = TreeOf(this);
  int count = Columns->GetCount();
  tree->setColumnCount(std::max(count, 1));
  QStringList labels;
  for (int i = 0; i < count; ++i) labels << ToQt(Columns->columns_[i]->caption_);
  tree->setHeaderLabels(labels);
  tree->setHeaderHidden(viewStyle_ != vsReport || count == 0);
  for (int i = 0; i < count; ++i) ApplyColumnWidth(i);
}

int TListView::ColumnWidthShown(int index) const {
  QTreeWidget* tree = TreeOf(this);
  return tree->isColumnHidden(index) ? 0 : tree->columnWidth(index);
}

void TListView::ApplyColumnWidth(int index) {
  QTreeWidget* tree = TreeOf(this);
  TListColumn* column = Columns->columns_[index];
  int width = column->width_;
  tree->setColumnHidden(index, width == 0);
  if (width == 0) return;
  if (width == -2) {
    // As wide as the header's text.
    width = tree->header()->fontMetrics().horizontalAdvance(ToQt(column->caption_)) + 14;
  } else if (width == -1) {
    tree->resizeColumnToContents(index);
    return;
  }
  tree->setColumnWidth(index, width);
}

bool TListView::ItemChanging(TListItem* item, TItemChange change) {
  bool allow = true;
  if (OnChanging && !quiet_) FireEvent(OnChanging, this, item, change, allow);
  return allow;
}

void TListView::ItemChanged(TListItem* item, TItemChange change) {
  if (!quiet_) FireEvent(OnChange, this, item, change);
}

// Reports what the selection lost, then what it gained.
void TListView::RowsChanged() { FireEvent(OnDataStateChange, this); }

void TListView::SelectionChanged() {
  if (quiet_) return;
  std::vector<TListItem*> now;
  for (QTreeWidgetItem* row : TreeOf(this)->selectedItems())
    if (TListItem* item = ItemOf(row)) now.push_back(item);
  std::vector<TListItem*> before = selected_;
  selected_ = now;
  for (TListItem* item : before) {
    if (std::find(now.begin(), now.end(), item) != now.end()) continue;
    ItemChanging(item, ctState);
    ItemChanged(item, ctState);
    FireEvent(OnSelectItem, this, item, false);
  }
  for (TListItem* item : now) {
    if (std::find(before.begin(), before.end(), item) != before.end()) continue;
    ItemChanging(item, ctState);
    ItemChanged(item, ctState);
    FireEvent(OnSelectItem, this, item, true);
  }
}

TListItem* TListView::GetSelected() const {
  for (TListItem* item : Items->items_)
    if (item->row_->isSelected()) return item;
  return nullptr;
}

void TListView::SetSelected(TListItem* item) {
  if (!item) {
    ClearSelection();
    return;
  }
  item->SetSelected(true);
}

void TListView::ClearSelection() { TreeOf(this)->clearSelection(); }

TListItem* TListView::GetItemFocused() const { return ItemOf(TreeOf(this)->currentItem()); }

void TListView::SetItemFocused(TListItem* item) {
  if (item) item->SetFocused(true);
  else TreeOf(this)->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
}

int TListView::GetItemIndex() const {
  TListItem* item = GetSelected();
  return item ? item->GetIndex() : -1;
}

void TListView::SetItemIndex(int index) {
  SetSelected(index >= 0 && index < Items->GetCount() ? Items->items_[index] : nullptr);
}

int TListView::GetSelCount() const { return static_cast<int>(TreeOf(this)->selectedItems().size()); }

void TListView::SetViewStyle(TViewStyle style) {
  viewStyle_ = style;
  ColumnsChanged();
}

void TListView::SetRowSelect(bool rowSelect) { rowSelect_ = rowSelect; }

void TListView::SetGridLines(bool gridLines) {
  gridLines_ = gridLines;
  static_cast<ListWidget*>(TreeOf(this))->gridLines = gridLines;
  TreeOf(this)->viewport()->update();
}

void TListView::SetMultiSelect(bool multiSelect) {
  multiSelect_ = multiSelect;
  TreeOf(this)->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TListView::SetCheckboxes(bool checkboxes) {
  checkboxes_ = checkboxes;
  for (TListItem* item : Items->items_) {
    if (checkboxes) item->row_->setCheckState(0, Qt::Unchecked);
    else item->row_->setData(0, Qt::CheckStateRole, QVariant());
  }
}

TListItem* TListView::GetTopItem() const { return ItemOf(TreeOf(this)->itemAt(0, 0)); }

TListItem* TListView::GetItemAt(int x, int y) const { return ItemOf(TreeOf(this)->itemAt(x, y)); }

// ---------------------------------------------------------------------------------------
// Status bar

class StatusBarWidget : public QWidget {
 public:
  TStatusBar* bar = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    auto section = [&](QRect r, const std::string& text) {
      painter.setPen(palette().color(QPalette::Mid));
      painter.drawRect(r.adjusted(0, 0, -1, -1));
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(r.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, ToQt(text));
    };
    QRect all = rect().adjusted(0, 2, 0, 0);
    const auto& panels = bar->Panels->panels_;
    if (bar->simplePanel_ || panels.empty()) {
      section(all, bar->simpleText_);
      return;
    }
    int x = 0;
    for (size_t i = 0; i < panels.size(); ++i) {
      int w = i + 1 == panels.size() ? std::max(all.width() - x, 0) : panels[i]->GetWidth();
      section(QRect(x, all.y(), w, all.height()), panels[i]->GetText());
      x += w + 2;
    }
  }
};

void TStatusPanel::SetText(const std::string& text) {
  text_ = text;
  bar_->Widget()->update();
}

void TStatusPanel::SetWidth(int width) {
  width_ = width;
  bar_->Widget()->update();
}

int TStatusPanel::GetIndex() const {
  auto& panels = bar_->Panels->panels_;
  auto it = std::find(panels.begin(), panels.end(), this);
  return it == panels.end() ? -1 : static_cast<int>(it - panels.begin());
}

TStatusPanels::~TStatusPanels() {
  for (TStatusPanel* p : panels_) delete p;
}

TStatusPanel* TStatusPanels::Add() {
  panels_.push_back(new TStatusPanel(bar_));
  bar_->Widget()->update();
  return panels_.back();
}

void TStatusPanels::Clear() {
  for (TStatusPanel* p : panels_) delete p;
  panels_.clear();
  bar_->Widget()->update();
}

void TStatusPanels::Delete(int index) {
  TStatusPanel* p = GetItem(index);
  panels_.erase(panels_.begin() + index);
  delete p;
  bar_->Widget()->update();
}

TStatusPanel* TStatusPanels::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) OutOfBounds(index);
  return panels_[index];
}

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner, Make<StatusBarWidget>()), Panels(new TStatusPanels(this)) {
  static_cast<StatusBarWidget*>(Widget())->bar = this;
  SetTabStop(false);
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() {
  delete Widget();
  delete Panels;
}

void TStatusBar::SetSimplePanel(bool simple) {
  simplePanel_ = simple;
  Widget()->update();
}

void TStatusBar::SetSimpleText(const std::string& text) {
  simpleText_ = text;
  Widget()->update();
}

// ---------------------------------------------------------------------------------------
// Progress bar

static QProgressBar* ProgressOf(const TControl* c) { return static_cast<QProgressBar*>(c->Widget()); }

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner, Make<QProgressBar>()) {
  ProgressOf(this)->setRange(0, 100);
  ProgressOf(this)->setValue(0);
  ProgressOf(this)->setTextVisible(false);
  SetBounds(0, 0, 150, 16);
}

int TProgressBar::GetMin() const { return ProgressOf(this)->minimum(); }
void TProgressBar::SetMin(int min) { ProgressOf(this)->setMinimum(min); }
int TProgressBar::GetMax() const { return ProgressOf(this)->maximum(); }
void TProgressBar::SetMax(int max) { ProgressOf(this)->setMaximum(max); }
int TProgressBar::GetPosition() const { return ProgressOf(this)->value(); }

void TProgressBar::SetPosition(int position) {
  position = std::clamp(position, GetMin(), GetMax());
  ProgressOf(this)->setValue(position);
}

// Passing the end starts again from the beginning, as the platform's bar does.
void TProgressBar::StepIt() {
  int next = GetPosition() + step_;
  if (next > GetMax()) next = GetMin() + (next - GetMax());
  SetPosition(next);
}
