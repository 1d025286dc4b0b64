// Labels, edits, memos, combo boxes, check boxes, radio buttons, group boxes and buttons.
#pragma once

#include <string>

#include "Classes.h"
#include "Controls.h"

class TPicture;

// A text on the form; sizes itself to its caption unless AutoSize is off.
class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* AOwner);

  Property<TAlignment, TLabel> Alignment{this, &TLabel::GetAlignment, &TLabel::SetAlignment};
  Property<bool, TLabel> AutoSize{this, &TLabel::GetAutoSize, &TLabel::SetAutoSize};
  Property<bool, TLabel> WordWrap{this, &TLabel::GetWordWrap, &TLabel::SetWordWrap};
  Property<bool, TLabel> Transparent{this, &TLabel::GetTransparent, &TLabel::SetTransparent};

  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool GetWordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool transparent);

 protected:
  void CaptionChanged() override;
  void FontChanged() override;
  void FitToText();

 private:
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
};

enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

// A text in a window of its own, optionally with a border.
class TStaticText : public TWinControl {
 public:
  explicit TStaticText(TComponent* AOwner);

  Property<TAlignment, TStaticText> Alignment{this, &TStaticText::GetAlignment, &TStaticText::SetAlignment};
  Property<TStaticBorderStyle, TStaticText> BorderStyle{this, &TStaticText::GetBorderStyle, &TStaticText::SetBorderStyle};
  Property<bool, TStaticText> AutoSize{this, &TStaticText::GetAutoSize, &TStaticText::SetAutoSize};

  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TStaticBorderStyle GetBorderStyle() const { return border_; }
  void SetBorderStyle(TStaticBorderStyle style);
  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

 protected:
  void CaptionChanged() override;

 private:
  void FitToText();
  TAlignment alignment_ = taLeftJustify;
  TStaticBorderStyle border_ = sbsNone;
  bool autoSize_ = true;
};

// What edits and memos share. OnChange follows every change of Text, typed or assigned.
class TCustomEdit : public TWinControl {
 public:
  Property<std::string, TCustomEdit> Text{this, &TCustomEdit::GetText, &TCustomEdit::SetText};
  Property<bool, TCustomEdit> ReadOnly{this, &TCustomEdit::GetReadOnly, &TCustomEdit::SetReadOnly};
  // 0: no limit.
  Property<int, TCustomEdit> MaxLength{this, &TCustomEdit::GetMaxLength, &TCustomEdit::SetMaxLength};
  Property<int, TCustomEdit> SelStart{this, &TCustomEdit::GetSelStart, &TCustomEdit::SetSelStart};
  Property<int, TCustomEdit> SelLength{this, &TCustomEdit::GetSelLength, &TCustomEdit::SetSelLength};
  TNotifyEvent OnChange;

  void SelectAll();
  void Clear() { SetText(""); }

  virtual std::string GetText() const = 0;
  virtual void SetText(const std::string& text) = 0;
  bool GetReadOnly() const { return readOnly_; }
  virtual void SetReadOnly(bool readOnly) = 0;
  int GetMaxLength() const { return maxLength_; }
  virtual void SetMaxLength(int length) = 0;
  virtual int GetSelStart() const = 0;
  virtual void SetSelStart(int start) = 0;
  virtual int GetSelLength() const = 0;
  virtual void SetSelLength(int length) = 0;

 protected:
  TCustomEdit(TComponent* AOwner, QWidget* widget) : TWinControl(AOwner, widget) { color_ = clWindow; }
  bool readOnly_ = false;
  int maxLength_ = 0;
};

// A one-line edit.
class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner);

  // 0: the text shows; another character hides each typed one.
  Property<char, TEdit> PasswordChar{this, &TEdit::GetPasswordChar, &TEdit::SetPasswordChar};

  std::string GetText() const override;
  void SetText(const std::string& text) override;
  void SetReadOnly(bool readOnly) override;
  void SetMaxLength(int length) override;
  int GetSelStart() const override;
  void SetSelStart(int start) override;
  int GetSelLength() const override;
  void SetSelLength(int length) override;
  char GetPasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char c);

 private:
  char passwordChar_ = 0;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit; Lines and Text show the same lines.
class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* AOwner);
  ~TMemo() override;

  TStrings* const Lines;
  Property<TScrollStyle, TMemo> ScrollBars{this, &TMemo::GetScrollBars, &TMemo::SetScrollBars};
  Property<bool, TMemo> WordWrap{this, &TMemo::GetWordWrap, &TMemo::SetWordWrap};

  std::string GetText() const override;
  void SetText(const std::string& text) override;
  void SetReadOnly(bool readOnly) override;
  void SetMaxLength(int length) override;
  int GetSelStart() const override;
  void SetSelStart(int start) override;
  int GetSelLength() const override;
  void SetSelLength(int length) override;
  TScrollStyle GetScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  bool GetWordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);

 private:
  friend class MemoLines;
  void LinesChanged(bool appended);
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool syncing_ = false;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// A combo box. OnChange follows the user's choices and typing only; assigning ItemIndex
// or Text raises nothing. A choice from the list raises OnClick, then OnSelect when it is
// set, else OnChange.
class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* AOwner);
  ~TComboBox() override;

  TStrings* const Items;
  Property<TComboBoxStyle, TComboBox> Style{this, &TComboBox::GetStyle, &TComboBox::SetStyle};
  Property<int, TComboBox> ItemIndex{this, &TComboBox::GetItemIndex, &TComboBox::SetItemIndex};
  Property<std::string, TComboBox> Text{this, &TComboBox::GetText, &TComboBox::SetText};
  Property<int, TComboBox> DropDownCount{this, &TComboBox::GetDropDownCount, &TComboBox::SetDropDownCount};
  Property<bool, TComboBox> Sorted{this, &TComboBox::GetSorted, &TComboBox::SetSorted};
  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

  void Clear();

  TComboBoxStyle GetStyle() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int GetItemIndex() const;
  void SetItemIndex(int index);
  std::string GetText() const;
  void SetText(const std::string& text);
  int GetDropDownCount() const;
  void SetDropDownCount(int count);
  bool GetSorted() const { return sorted_; }
  void SetSorted(bool sorted);

 private:
  friend class ComboItems;
  void ItemsChanged();
  TComboBoxStyle style_ = csDropDown;
  bool sorted_ = false;
  bool syncing_ = false;
};

// A check box. OnClick follows every change of Checked, clicked or assigned.
class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* AOwner);

  Property<bool, TCheckBox> Checked{this, &TCheckBox::GetChecked, &TCheckBox::SetChecked};
  Property<TAlignment, TCheckBox> Alignment{this, &TCheckBox::GetAlignment, &TCheckBox::SetAlignment};

  bool GetChecked() const;
  void SetChecked(bool checked);
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CaptionChanged() override;

 private:
  TAlignment alignment_ = taRightJustify;
};

// A radio button; the radio buttons of one parent exclude each other. OnClick follows
// every time it becomes checked.
class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* AOwner);

  Property<bool, TRadioButton> Checked{this, &TRadioButton::GetChecked, &TRadioButton::SetChecked};

  bool GetChecked() const;
  void SetChecked(bool checked);

 protected:
  void CaptionChanged() override;
};

// A framed container with its caption in the frame. Children are placed relative to the
// box's own corner; aligned children keep inside the frame, below the caption.
class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* AOwner);

 protected:
  void CaptionChanged() override;
  void AlignArea(int& left, int& top, int& width, int& height) const override;
};

// A push button. After OnClick, a ModalResult other than mrNone becomes the form's.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);

  Property<TModalResult, TButton> ModalResult{this, &TButton::GetModalResult, &TButton::SetModalResult};
  Property<bool, TButton> Default{this, &TButton::GetDefault, &TButton::SetDefault};
  Property<bool, TButton> Cancel{this, &TButton::GetCancel, &TButton::SetCancel};

  // Acts as a click by the user.
  void Click();

  TModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  bool GetDefault() const { return default_; }
  void SetDefault(bool isDefault);
  bool GetCancel() const { return cancel_; }
  void SetCancel(bool isCancel) { cancel_ = isCancel; }

 protected:
  void CaptionChanged() override;

 private:
  TModalResult modalResult_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
};

// A button that may show a picture (its glyph) beside or instead of its caption.
class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* AOwner);
  ~TBitBtn() override;

  TPicture* const Glyph;

 private:
  void GlyphChanged();
};

// The form a control sits on, through the parent chain; null when there is none.
class TCustomForm;
TCustomForm* GetParentForm(TControl* control);
