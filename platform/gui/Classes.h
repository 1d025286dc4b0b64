// The window layer: the names of the old Windows class library, on Qt 6 Widgets.
//
// How code above this layer reads and writes controls
//
//   Properties are small member objects bound to a getter and a setter of their host:
//       Edit1->Text = "x";   if (CheckBox1->Checked) ...;   Timer->Enabled = false;
//       Form->Width = Form->Width * 5 / 4;   Label1->Caption = Edit1->Text;
//   A property converts to its value. Call it to get the value itself where a member of
//   the value is needed: Edit1->Text().c_str(), Items->Strings[i]().size().
//   Indexed properties take []: ListView1->Items->Item[i], Items->Strings[i] = "x".
//   Object-valued properties (Items, Lines, Font, Brush, Panels, Columns, SubItems) are
//   plain pointers owned by their control.
//
//   Events are public std::function members named On...; assign a lambda, copy it away
//   and back, or clear it with nullptr. The layer runs every event through one guard
//   (Application->HandleException) so an exception is shown and never unwinds into Qt.
//
//   Texts are single-byte std::string; the layer converts to Qt as Latin-1 so every
//   byte comes back unchanged.
//
// Families: Classes.h (properties, components, string lists), Controls.h, Forms.h,
// StdCtrls.h, ExtCtrls.h, ComCtrls.h, Menus.h, Dialogs.h, Windows.h (Win32 stand-ins),
// GuiTesting.h (what tests use to drive modal windows and message boxes).
#pragma once

#include <functional>
#include <new>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Exception.h"

// ---------------------------------------------------------------------------------------
// Properties

namespace gui_detail {
template <class T>
using ParamOf = std::conditional_t<std::is_scalar_v<T>, T, const T&>;
}

// A readable and writable property of Host.
template <class T, class Host>
class Property {
 public:
  using Getter = T (Host::*)() const;
  using Setter = void (Host::*)(gui_detail::ParamOf<T>);

  Property(Host* host, Getter get, Setter set) : host_(host), get_(get), set_(set) {}
  Property(const Property&) = delete;

  operator T() const { return (host_->*get_)(); }
  T operator()() const { return (host_->*get_)(); }
  T operator->() const requires std::is_pointer_v<T> { return (host_->*get_)(); }

  Property& operator=(gui_detail::ParamOf<T> value) {
    (host_->*set_)(value);
    return *this;
  }
  Property& operator=(const Property& other) { return *this = other(); }

  template <class U>
  Property& operator+=(const U& v) { return *this = T((*this)() + v); }
  template <class U>
  Property& operator-=(const U& v) { return *this = T((*this)() - v); }

  friend bool operator==(const Property& p, const T& v) { return p() == v; }
  friend T operator+(const Property& p, const T& v)
    requires std::is_same_v<T, std::string>
  { return p() + v; }
  friend T operator+(const T& v, const Property& p)
    requires std::is_same_v<T, std::string>
  { return v + p(); }
  friend T operator+(const Property& p, const char* v)
    requires std::is_same_v<T, std::string>
  { return p() + v; }
  friend T operator+(const Property& p, const Property& q)
    requires std::is_same_v<T, std::string>
  { return p() + q(); }
  friend T operator+(const char* v, const Property& p)
    requires std::is_same_v<T, std::string>
  { return v + p(); }

 private:
  Host* host_;
  Getter get_;
  Setter set_;
};

// A property that can only be read.
template <class T, class Host>
class ReadOnlyProperty {
 public:
  using Getter = T (Host::*)() const;

  ReadOnlyProperty(Host* host, Getter get) : host_(host), get_(get) {}
  ReadOnlyProperty(const ReadOnlyProperty&) = delete;
  ReadOnlyProperty& operator=(const ReadOnlyProperty&) = delete;

  operator T() const { return (host_->*get_)(); }
  T operator()() const { return (host_->*get_)(); }
  T operator->() const requires std::is_pointer_v<T> { return (host_->*get_)(); }

  friend bool operator==(const ReadOnlyProperty& p, const T& v) { return p() == v; }

 private:
  Host* host_;
  Getter get_;
};

// An array property: Strings[i], Item[i], Panels[i].
template <class T, class Host>
class IndexedProperty {
 public:
  using Getter = T (Host::*)(int) const;
  using Setter = void (Host::*)(int, gui_detail::ParamOf<T>);

  class Ref {
   public:
    Ref(const IndexedProperty& p, int i) : p_(p), i_(i) {}
    operator T() const { return (p_.host_->*p_.get_)(i_); }
    T operator()() const { return (p_.host_->*p_.get_)(i_); }
    T operator->() const requires std::is_pointer_v<T> { return (*this)(); }
    Ref& operator=(gui_detail::ParamOf<T> value) {
      (p_.host_->*p_.set_)(i_, value);
      return *this;
    }
    Ref& operator=(const Ref& other) { return *this = other(); }
    friend bool operator==(const Ref& r, const T& v) { return r() == v; }
    friend T operator+(const Ref& r, const char* v)
      requires std::is_same_v<T, std::string>
    { return r() + v; }
    friend T operator+(const Ref& r, const T& v)
      requires std::is_same_v<T, std::string>
    { return r() + v; }

   private:
    const IndexedProperty& p_;
    int i_;
  };

  IndexedProperty(Host* host, Getter get, Setter set = nullptr) : host_(host), get_(get), set_(set) {}
  IndexedProperty(const IndexedProperty&) = delete;
  IndexedProperty& operator=(const IndexedProperty&) = delete;

  Ref operator[](int i) const { return Ref(*this, i); }

 private:
  Host* host_;
  Getter get_;
  Setter set_;
};

// ---------------------------------------------------------------------------------------
// Objects, events and components

class TObject {
 public:
  virtual ~TObject() = default;
};

// What can be handed around as a property value: components, fonts, status panels, ...
class TPersistent : public TObject {};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TComponent;

// Runs one event handler; an exception it throws is shown by the application's
// exception display and goes no further.
void GuardedCall(const std::function<void()>& handler);

// An event handler made of a member function: OnClick = Handler(this, &TMyForm::OkClick).
template <class C, class... A>
std::function<void(A...)> Handler(C* object, void (C::*method)(A...)) {
  return [object, method](A... args) { (object->*method)(args...); };
}

template <class... A, class... B>
void FireEvent(const std::function<void(A...)>& event, B&&... args) {
  if (event) GuardedCall([&] { event(std::forward<B>(args)...); });
}

// Owns the components it is given as owner and frees them with itself.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  ReadOnlyProperty<TComponent*, TComponent> Owner{this, &TComponent::GetOwner};
  ReadOnlyProperty<int, TComponent> ComponentCount{this, &TComponent::GetComponentCount};
  IndexedProperty<TComponent*, TComponent> Components{this, &TComponent::GetComponent};
  Property<std::string, TComponent> Name{this, &TComponent::GetName, &TComponent::SetName};
  Property<int, TComponent> Tag{this, &TComponent::GetTag, &TComponent::SetTag};

  TComponent* FindComponent(const std::string& name) const;

  // delete runs BeforeDestruction while the whole object still exists.
  static void* operator new(std::size_t size) { return ::operator new(size); }
  static void operator delete(void* p) { ::operator delete(p); }
  void operator delete(TComponent* p, std::destroying_delete_t);

  TComponent* GetOwner() const { return owner_; }
  int GetComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* GetComponent(int index) const;
  std::string GetName() const { return name_; }
  virtual void SetName(const std::string& name) { name_ = name; }
  int GetTag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

 protected:
  // Called by delete before any destructor runs (a form raises OnDestroy here).
  virtual void BeforeDestruction() {}
  // Frees the owned components now, newest first; a derived destructor calls this while
  // its own parts still exist.
  void DestroyComponents();

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
  std::string name_;
  int tag_ = 0;
};

// ---------------------------------------------------------------------------------------
// String lists

class TStrings : public TPersistent {
 public:
  TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;

  ReadOnlyProperty<int, TStrings> Count{this, &TStrings::GetCount};
  IndexedProperty<std::string, TStrings> Strings{this, &TStrings::Get, &TStrings::Put};
  IndexedProperty<TObject*, TStrings> Objects{this, &TStrings::GetObject, &TStrings::PutObject};
  // All lines, each ended by a line break; assigning splits at line breaks.
  Property<std::string, TStrings> Text{this, &TStrings::GetText, &TStrings::SetText};
  // Items separated by commas, quoted when they hold blanks, commas or quotes.
  Property<std::string, TStrings> CommaText{this, &TStrings::GetCommaText, &TStrings::SetCommaText};

  std::string operator[](int index) const { return Get(index); }

  virtual int Add(const std::string& s);
  int AddObject(const std::string& s, TObject* object);
  void Insert(int index, const std::string& s);
  void Delete(int index);
  void Clear();
  virtual int IndexOf(const std::string& s) const;
  int IndexOfObject(const TObject* object) const;
  void Assign(const TStrings& source);
  void AddStrings(const TStrings& source);
  void BeginUpdate();
  void EndUpdate();

  int GetCount() const { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const;
  void Put(int index, const std::string& s);
  TObject* GetObject(int index) const;
  void PutObject(int index, TObject* object);
  std::string GetText() const;
  void SetText(const std::string& text);
  std::string GetCommaText() const;
  void SetCommaText(const std::string& text);

 protected:
  // Called after every change that is not inside BeginUpdate/EndUpdate, and once at
  // EndUpdate; controls override it to show the lines.
  virtual void Changed() {}
  // Changed() now, or at EndUpdate when inside BeginUpdate.
  void Notify();
  void CheckIndex(int index, bool allowEnd = false) const;

  struct Line {
    std::string text;
    TObject* object = nullptr;
  };
  std::vector<Line> lines_;

 private:
  int updating_ = 0;
  bool pending_ = false;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
 public:
  TStringList() = default;

  Property<bool, TStringList> Sorted{this, &TStringList::GetSorted, &TStringList::SetSorted};
  TDuplicates Duplicates = dupAccept;
  TNotifyEvent OnChange;

  int Add(const std::string& s) override;
  int IndexOf(const std::string& s) const override;
  void Sort();

  bool GetSorted() const { return sorted_; }
  void SetSorted(bool sorted);

 protected:
  void Changed() override { FireEvent(OnChange, this); }

 private:
  bool sorted_ = false;
};
