#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QValidator>

#include <algorithm>

#include "Forms.h"
#include "Graphics.h"
#include "GuiInternal.h"
#include "StdCtrls.h"

using gui_internal::FromQt;
using gui_internal::ToQt;

namespace {

Qt::Alignment QtAlignment(TAlignment a) {
  switch (a) {
    case taRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

template <class W>
W* Make() {
  gui_internal::EnsureQtApplication();
  return new W();
}

}  // namespace

TCustomForm* GetParentForm(TControl* control) {
  if (!control) return nullptr;
  while (control->GetParent()) control = control->GetParent();
  return dynamic_cast<TCustomForm*>(control);
}

// ---------------------------------------------------------------------------------------
// TLabel

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner, Make<QLabel>()) {
  bridge_->forwardMouseClicks = true;
  SetBounds(0, 0, 32, 13);
  SetTransparent(false);
}

static QLabel* LabelOf(const TControl* c) { return static_cast<QLabel*>(c->Widget()); }

void TLabel::CaptionChanged() {
  // "&&" shows one "&"; a single "&" marks an accelerator and is not shown.
  std::string shown;
  const std::string& caption = GetCaption();
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  LabelOf(this)->setText(ToQt(shown));
  FitToText();
}

void TLabel::FontChanged() {
  TControl::FontChanged();
  FitToText();
}

void TLabel::FitToText() {
  if (!autoSize_ || wordWrap_) return;
  QSize size = LabelOf(this)->sizeHint();
  SetBounds(GetLeft(), GetTop(), size.width(), size.height());
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  LabelOf(this)->setAlignment((QtAlignment(alignment) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
}

void TLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  FitToText();
}

void TLabel::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  LabelOf(this)->setWordWrap(wrap);
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  LabelOf(this)->setAutoFillBackground(!transparent && !(color_ & 0x80000000));
}

// ---------------------------------------------------------------------------------------
// TStaticText

TStaticText::TStaticText(TComponent* AOwner) : TWinControl(AOwner, Make<QLabel>()) {
  bridge_->forwardMouseClicks = true;
  SetTabStop(false);
  SetBounds(0, 0, 4, 17);
}

void TStaticText::CaptionChanged() {
  LabelOf(this)->setText(ToQt(GetCaption()));
  FitToText();
}

void TStaticText::FitToText() {
  if (!autoSize_) return;
  QSize size = LabelOf(this)->sizeHint();
  SetBounds(GetLeft(), GetTop(), size.width(), size.height());
}

void TStaticText::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  LabelOf(this)->setAlignment(QtAlignment(alignment));
}

void TStaticText::SetBorderStyle(TStaticBorderStyle style) {
  border_ = style;
  QLabel* label = LabelOf(this);
  switch (style) {
    case sbsNone: label->setFrameStyle(QFrame::NoFrame); break;
    case sbsSingle: label->setFrameStyle(QFrame::Box | QFrame::Plain); break;
    case sbsSunken: label->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
  }
  FitToText();
}

void TStaticText::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  FitToText();
}

// ---------------------------------------------------------------------------------------
// TCustomEdit, TEdit

void TCustomEdit::SelectAll() {
  SetSelStart(0);
  SetSelLength(static_cast<int>(GetText().size()));
}

static QLineEdit* LineOf(const TControl* c) { return static_cast<QLineEdit*>(c->Widget()); }

namespace {
// MaxLength limits what the user types or pastes; a longer text set by the program stays
// whole (a value read from a device must not be cut), and the user may still shorten it.
class LengthLimit : public QValidator {
 public:
  LengthLimit(QLineEdit* edit, const int* maxLength) : QValidator(edit), maxLength_(maxLength) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { length_ = text.size(); });
  }
  State validate(QString& input, int&) const override {
    int max = *maxLength_;
    if (max > 0 && input.size() > max && input.size() > length_) return Invalid;
    return Acceptable;
  }

 private:
  const int* maxLength_;
  qsizetype length_ = 0;
};
}  // namespace

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner, Make<QLineEdit>()) {
  bridge_->forwardMouseClicks = true;
  LineOf(this)->setValidator(new LengthLimit(LineOf(this), &maxLength_));  // sees each change first
  QObject::connect(LineOf(this), &QLineEdit::textChanged, [this] { FireEvent(OnChange, this); });
  SetBounds(0, 0, 121, 21);
  ColorChanged();
}

std::string TEdit::GetText() const { return FromQt(LineOf(this)->text()); }

void TEdit::SetText(const std::string& text) {
  QString value = ToQt(text);
  if (value != LineOf(this)->text()) LineOf(this)->setText(value);
}

void TEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  LineOf(this)->setReadOnly(readOnly);
}

void TEdit::SetMaxLength(int length) { maxLength_ = std::max(length, 0); }

int TEdit::GetSelStart() const {
  QLineEdit* e = LineOf(this);
  return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void TEdit::SetSelStart(int start) { LineOf(this)->setCursorPosition(start); }

int TEdit::GetSelLength() const { return static_cast<int>(LineOf(this)->selectedText().size()); }

void TEdit::SetSelLength(int length) {
  QLineEdit* e = LineOf(this);
  int start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
  e->setSelection(start, length);
}

void TEdit::SetPasswordChar(char c) {
  passwordChar_ = c;
  LineOf(this)->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

// ---------------------------------------------------------------------------------------
// TMemo

class MemoLines : public TStrings {
 public:
  explicit MemoLines(TMemo* memo) : memo_(memo) {}
  void Load(const std::string& text) {
    loading_ = true;
    SetText(text);
    loading_ = false;
  }
  // A status memo grows one line at a time: those lines are appended, not the whole text
  // set again.
  int Add(const std::string& s) override {
    appending_ = true;
    int index = TStrings::Add(s);
    appending_ = false;
    return index;
  }

 protected:
  void Changed() override {
    if (!loading_) memo_->LinesChanged(appending_);
  }

 private:
  TMemo* memo_;
  bool loading_ = false;
  bool appending_ = false;
};

static QPlainTextEdit* MemoOf(const TControl* c) { return static_cast<QPlainTextEdit*>(c->Widget()); }

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner, Make<QPlainTextEdit>()), Lines(new MemoLines(this)) {
  QObject::connect(MemoOf(this), &QPlainTextEdit::textChanged, [this] {
    if (!syncing_) static_cast<MemoLines*>(Lines)->Load(FromQt(MemoOf(this)->toPlainText()));
    FireEvent(OnChange, this);
  });
  SetBounds(0, 0, 185, 89);
  SetScrollBars(ssNone);
  ColorChanged();
}

TMemo::~TMemo() { delete Lines; }

void TMemo::LinesChanged(bool appended) {
  syncing_ = true;
  QPlainTextEdit* e = MemoOf(this);
  int count = Lines->GetCount();
  if (appended && count > 1) {
    e->appendPlainText(ToQt(Lines->Get(count - 1)));
  } else {
    std::string text = Lines->GetText();
    if (!text.empty()) text.pop_back();
    e->setPlainText(ToQt(text));
  }
  e->moveCursor(QTextCursor::End);
  syncing_ = false;
}

std::string TMemo::GetText() const {
  // Lines end with CR LF in the text of a memo, as the original platform's do.
  std::string text;
  for (int i = 0; i < Lines->GetCount(); ++i) text += Lines->Get(i) + "\r\n";
  if (!text.empty()) text.resize(text.size() - 2);
  return text;
}

void TMemo::SetText(const std::string& text) { MemoOf(this)->setPlainText(ToQt(text)); }

void TMemo::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  MemoOf(this)->setReadOnly(readOnly);
}

void TMemo::SetMaxLength(int length) { maxLength_ = length; }

int TMemo::GetSelStart() const { return MemoOf(this)->textCursor().selectionStart(); }

void TMemo::SetSelStart(int start) {
  QTextCursor cursor = MemoOf(this)->textCursor();
  cursor.setPosition(start);
  MemoOf(this)->setTextCursor(cursor);
}

int TMemo::GetSelLength() const {
  QTextCursor cursor = MemoOf(this)->textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TMemo::SetSelLength(int length) {
  QTextCursor cursor = MemoOf(this)->textCursor();
  cursor.setPosition(cursor.selectionStart());
  cursor.setPosition(cursor.position() + length, QTextCursor::KeepAnchor);
  MemoOf(this)->setTextCursor(cursor);
}

void TMemo::SetScrollBars(TScrollStyle style) {
  scrollBars_ = style;
  QPlainTextEdit* e = MemoOf(this);
  bool h = style == ssHorizontal || style == ssBoth, v = style == ssVertical || style == ssBoth;
  e->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  e->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  MemoOf(this)->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

// ---------------------------------------------------------------------------------------
// TComboBox

class ComboItems : public TStringList {
 public:
  explicit ComboItems(TComboBox* combo) : combo_(combo) {}

 protected:
  void Changed() override { combo_->ItemsChanged(); }

 private:
  TComboBox* combo_;
};

static QComboBox* ComboOf(const TControl* c) { return static_cast<QComboBox*>(c->Widget()); }

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner, Make<QComboBox>()), Items(new ComboItems(this)) {
  QComboBox* box = ComboOf(this);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  // A choice from the list: OnClick, then OnSelect when set, else OnChange.
  QObject::connect(box, &QComboBox::activated, [this] {
    if (syncing_) return;
    FireEvent(OnClick, this);
    if (OnSelect) FireEvent(OnSelect, this);
    else FireEvent(OnChange, this);
  });
  QObject::connect(box->lineEdit(), &QLineEdit::textEdited, [this] { if (!syncing_) FireEvent(OnChange, this); });
  SetBounds(0, 0, 145, 21);
  color_ = clWindow;
  ColorChanged();
}

TComboBox::~TComboBox() { delete Items; }

void TComboBox::ItemsChanged() {
  QComboBox* box = ComboOf(this);
  syncing_ = true;
  QString text = box->currentText();
  int count = Items->GetCount();
  bool appended = count == box->count() + 1;
  for (int i = 0; appended && i < box->count(); ++i)
    if (box->itemText(i) != ToQt(Items->Get(i))) appended = false;
  if (appended) {
    box->addItem(ToQt(Items->Get(count - 1)));
    if (box->count() == 1) box->setCurrentIndex(-1);
  } else {
    int index = box->currentIndex();
    box->clear();
    for (int i = 0; i < count; ++i) box->addItem(ToQt(Items->Get(i)));
    box->setCurrentIndex(index < count ? index : -1);
  }
  if (style_ != csDropDownList) box->setEditText(text);
  syncing_ = false;
}

void TComboBox::Clear() {
  Items->Clear();
  SetText("");
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  style_ = style;
  syncing_ = true;
  QComboBox* box = ComboOf(this);
  int index = box->currentIndex();
  box->setEditable(style != csDropDownList);
  if (box->lineEdit()) {
    box->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, [this] { if (!syncing_) FireEvent(OnChange, this); });
  }
  box->setCurrentIndex(index);
  syncing_ = false;
}

int TComboBox::GetItemIndex() const {
  QComboBox* box = ComboOf(this);
  int index = box->currentIndex();
  // Typing a text that is no item leaves no item selected.
  if (index >= 0 && style_ != csDropDownList && box->currentText() != box->itemText(index)) return -1;
  return index;
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= Items->GetCount()) index = -1;
  syncing_ = true;
  ComboOf(this)->setCurrentIndex(index);
  if (index < 0 && style_ != csDropDownList) ComboOf(this)->setEditText(QString());
  syncing_ = false;
}

std::string TComboBox::GetText() const {
  QComboBox* box = ComboOf(this);
  if (style_ == csDropDownList) return box->currentIndex() >= 0 ? FromQt(box->currentText()) : std::string();
  return FromQt(box->currentText());
}

void TComboBox::SetText(const std::string& text) {
  QComboBox* box = ComboOf(this);
  syncing_ = true;
  if (style_ == csDropDownList) {
    int index = Items->IndexOf(text);
    if (index >= 0) box->setCurrentIndex(index);
    else if (text.empty()) box->setCurrentIndex(-1);
  } else {
    int index = box->findText(ToQt(text), Qt::MatchExactly);
    box->setCurrentIndex(index);
    box->setEditText(ToQt(text));
  }
  syncing_ = false;
}

int TComboBox::GetDropDownCount() const { return ComboOf(this)->maxVisibleItems(); }
void TComboBox::SetDropDownCount(int count) { ComboOf(this)->setMaxVisibleItems(count); }

void TComboBox::SetSorted(bool sorted) {
  sorted_ = sorted;
  static_cast<ComboItems*>(Items)->SetSorted(sorted);
}

// ---------------------------------------------------------------------------------------
// TCheckBox, TRadioButton

static QCheckBox* CheckOf(const TControl* c) { return static_cast<QCheckBox*>(c->Widget()); }

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner, Make<QCheckBox>()) {
  QObject::connect(CheckOf(this), &QCheckBox::toggled, [this] { FireEvent(OnClick, this); });
  SetBounds(0, 0, 97, 17);
}

bool TCheckBox::GetChecked() const { return CheckOf(this)->isChecked(); }
void TCheckBox::SetChecked(bool checked) { CheckOf(this)->setChecked(checked); }
void TCheckBox::CaptionChanged() { CheckOf(this)->setText(ToQt(GetCaption())); }

void TCheckBox::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  CheckOf(this)->setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

static QRadioButton* RadioOf(const TControl* c) { return static_cast<QRadioButton*>(c->Widget()); }

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner, Make<QRadioButton>()) {
  QObject::connect(RadioOf(this), &QRadioButton::toggled, [this](bool on) { if (on) FireEvent(OnClick, this); });
  SetBounds(0, 0, 113, 17);
}

bool TRadioButton::GetChecked() const { return RadioOf(this)->isChecked(); }

void TRadioButton::SetChecked(bool checked) {
  QRadioButton* r = RadioOf(this);
  if (checked) {
    r->setChecked(true);
  } else if (r->isChecked()) {
    // Qt keeps one of a group checked; unchecking takes the group's exclusion off briefly.
    r->setAutoExclusive(false);
    r->setChecked(false);
    r->setAutoExclusive(true);
  }
}

void TRadioButton::CaptionChanged() { RadioOf(this)->setText(ToQt(GetCaption())); }

// ---------------------------------------------------------------------------------------
// TButton, TBitBtn

static QPushButton* ButtonOf(const TControl* c) { return static_cast<QPushButton*>(c->Widget()); }

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner, Make<QPushButton>()) {
  QObject::connect(ButtonOf(this), &QPushButton::clicked, [this] { GuardedCall([this] { Click(); }); });
  ButtonOf(this)->setAutoDefault(false);
  SetBounds(0, 0, 75, 25);
}

void TButton::Click() {
  if (modalResult_ != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  if (OnClick) OnClick(this);
}

void TButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  ButtonOf(this)->setDefault(isDefault);
}

void TButton::CaptionChanged() { ButtonOf(this)->setText(ToQt(GetCaption())); }

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner), Glyph(new TPicture([this] { GlyphChanged(); })) {}

TBitBtn::~TBitBtn() { delete Glyph; }

void TBitBtn::GlyphChanged() {
  QPushButton* b = ButtonOf(this);
  if (Glyph->GetEmpty()) {
    b->setIcon(QIcon());
    return;
  }
  b->setIcon(QIcon(QPixmap::fromImage(Glyph->Image())));
  b->setIconSize(Glyph->Image().size());
}

// ---------------------------------------------------------------------------------------
// TGroupBox

static QGroupBox* GroupBoxOf(const TControl* c) { return static_cast<QGroupBox*>(c->Widget()); }

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner, Make<QGroupBox>()) {
  bridge_->forwardMouseClicks = true;
  SetBounds(0, 0, 185, 105);
}

void TGroupBox::CaptionChanged() { GroupBoxOf(this)->setTitle(ToQt(GetCaption())); }

void TGroupBox::AlignArea(int& left, int& top, int& width, int& height) const {
  const int frame = 2;
  left = frame;
  top = GroupBoxOf(this)->fontMetrics().height() + frame;
  width = std::max(GetClientWidth() - 2 * frame, 0);
  height = std::max(GetClientHeight() - top - frame, 0);
}
