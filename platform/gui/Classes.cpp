#include "Classes.h"

#include <algorithm>
#include <strings.h>

// ---------------------------------------------------------------------------------------
// TComponent

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_) {
    auto& siblings = owner_->components_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void TComponent::operator delete(TComponent* p, std::destroying_delete_t) {
  GuardedCall([p] { p->BeforeDestruction(); });
  void* whole = dynamic_cast<void*>(p);
  p->~TComponent();
  ::operator delete(whole);
}

void TComponent::DestroyComponents() {
  // Each owned component takes itself out of the list as it goes.
  while (!components_.empty()) delete components_.back();
}

TComponent* TComponent::GetComponent(int index) const {
  if (index < 0 || index >= GetComponentCount()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  return components_[index];
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : components_)
    if (strcasecmp(c->name_.c_str(), name.c_str()) == 0) return c;
  return nullptr;
}

// ---------------------------------------------------------------------------------------
// TStrings

void TStrings::CheckIndex(int index, bool allowEnd) const {
  int limit = GetCount() + (allowEnd ? 1 : 0);
  if (index < 0 || index >= limit) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

void TStrings::Notify() {
  if (updating_ > 0) {
    pending_ = true;
    return;
  }
  Changed();
}

void TStrings::BeginUpdate() { ++updating_; }

void TStrings::EndUpdate() {
  if (updating_ > 0 && --updating_ == 0 && pending_) {
    pending_ = false;
    Changed();
  }
}

int TStrings::Add(const std::string& s) {
  lines_.push_back({s, nullptr});
  Notify();
  return GetCount() - 1;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  int index = Add(s);
  lines_[index].object = object;
  return index;
}

void TStrings::Insert(int index, const std::string& s) {
  CheckIndex(index, true);
  lines_.insert(lines_.begin() + index, {s, nullptr});
  Notify();
}

void TStrings::Delete(int index) {
  CheckIndex(index);
  lines_.erase(lines_.begin() + index);
  Notify();
}

void TStrings::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Notify();
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < GetCount(); ++i)
    if (strcasecmp(lines_[i].text.c_str(), s.c_str()) == 0) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < GetCount(); ++i)
    if (lines_[i].object == object) return i;
  return -1;
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  lines_ = source.lines_;
  Notify();
}

void TStrings::AddStrings(const TStrings& source) {
  BeginUpdate();
  for (const Line& line : std::vector<Line>(source.lines_)) AddObject(line.text, line.object);
  EndUpdate();
}

std::string TStrings::Get(int index) const {
  CheckIndex(index);
  return lines_[index].text;
}

void TStrings::Put(int index, const std::string& s) {
  CheckIndex(index);
  lines_[index].text = s;
  Notify();
}

TObject* TStrings::GetObject(int index) const {
  CheckIndex(index);
  return lines_[index].object;
}

void TStrings::PutObject(int index, TObject* object) {
  CheckIndex(index);
  lines_[index].object = object;
}

std::string TStrings::GetText() const {
  std::string text;
  for (const Line& line : lines_) text += line.text + "\n";
  return text;
}

void TStrings::SetText(const std::string& text) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back({text.substr(start, end - start), nullptr});
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  lines_ = std::move(lines);
  Notify();
}

std::string TStrings::GetCommaText() const {
  std::string out;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string& s = lines_[i].text;
    if (i) out += ',';
    bool quote = s.empty() || s.find_first_of(" ,\"") != std::string::npos;
    if (!quote) {
      out += s;
      continue;
    }
    out += '"';
    for (char c : s) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out;
}

void TStrings::SetCommaText(const std::string& text) {
  std::vector<Line> lines;
  size_t i = 0;
  auto skipBlanks = [&] { while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i; };
  skipBlanks();
  while (i < text.size()) {
    std::string item;
    if (text[i] == '"') {
      ++i;
      while (i < text.size()) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
    } else {
      while (i < text.size() && text[i] != ',' && static_cast<unsigned char>(text[i]) > ' ') item += text[i++];
    }
    lines.push_back({item, nullptr});
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      ++i;
      skipBlanks();
      if (i == text.size()) lines.push_back({"", nullptr});
    }
  }
  lines_ = std::move(lines);
  Notify();
}

// ---------------------------------------------------------------------------------------
// TStringList

static bool LessText(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) < 0; }

int TStringList::Add(const std::string& s) {
  if (!sorted_) return TStrings::Add(s);
  auto pos = std::lower_bound(lines_.begin(), lines_.end(), s,
                              [](const Line& l, const std::string& v) { return LessText(l.text, v); });
  int index = static_cast<int>(pos - lines_.begin());
  if (pos != lines_.end() && strcasecmp(pos->text.c_str(), s.c_str()) == 0) {
    if (Duplicates == dupIgnore) return index;
    if (Duplicates == dupError) throw Exception("String list does not allow duplicates");
  }
  Insert(index, s);
  return index;
}

int TStringList::IndexOf(const std::string& s) const { return TStrings::IndexOf(s); }

void TStringList::Sort() {
  std::stable_sort(lines_.begin(), lines_.end(), [](const Line& a, const Line& b) { return LessText(a.text, b.text); });
  Notify();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted && !sorted_) {
    sorted_ = true;
    Sort();
  }
  sorted_ = sorted;
}
