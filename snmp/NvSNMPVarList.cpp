#include "NvSNMPVarList.h"

#include <optional>
#include <stdexcept>

// A record together with the texts it points into. Slots live on the heap and never move, so
// the record's pointers stay valid for the slot's whole life.
struct NvSNMPVarList::Slot {
  NvSNMPVar Var{};
  std::string Oid, Label;
  std::optional<std::string> ReadExpr, WriteExpr, Text3;
  std::string Value, LastOid;

  Slot() = default;
  Slot(const Slot&) = delete;
  Slot& operator=(const Slot&) = delete;

  void SetOid(std::string oid) {
    Oid = std::move(oid);
    Var.Oid = Oid.c_str();
  }
};

namespace {

std::string TextOrEmpty(const char* text) { return text ? std::string(text) : std::string(); }

std::optional<std::string> OptionalText(const char* text) {
  if (!text) return std::nullopt;
  return std::string(text);
}

const char* PointerOf(const std::optional<std::string>& text) {
  return text ? text->c_str() : nullptr;
}

}  // namespace

NvSNMPVarList::NvSNMPVarList() = default;

NvSNMPVarList::NvSNMPVarList(const NvSNMPVar* table, int kind, int indexCount)
    : IndexCount(indexCount), Kind(static_cast<uint8_t>(kind)) {
  AppendTable(table);
}

NvSNMPVarList::NvSNMPVarList(const NvSNMPVarList& other) { *this = other; }

NvSNMPVarList::NvSNMPVarList(NvSNMPVarList&& other) noexcept = default;

NvSNMPVarList::~NvSNMPVarList() = default;

NvSNMPVarList& NvSNMPVarList::operator=(const NvSNMPVarList& other) {
  if (this == &other) return *this;
  // Copy first, so the list is unchanged when a copy fails.
  std::vector<std::unique_ptr<Slot>> copy;
  copy.swap(vars_);
  try {
    for (const auto& slot : other.vars_) Append(slot->Var);
  } catch (...) {
    vars_.swap(copy);
    throw;
  }
  Kind = other.Kind;
  IndexCount = other.IndexCount;
  Caption = other.Caption;
  return *this;
}

NvSNMPVarList& NvSNMPVarList::operator=(NvSNMPVarList&& other) noexcept {
  // Same contract as the copy: InstanceSuffix stays.
  if (this == &other) return *this;
  vars_ = std::move(other.vars_);
  other.vars_.clear();
  Kind = other.Kind;
  IndexCount = other.IndexCount;
  Caption = std::move(other.Caption);
  return *this;
}

// Deep copy of one record. Reads the record's own fields, so a caller that repointed a text
// of a live record (or a static table record) is copied as it stands.
void NvSNMPVarList::Append(const NvSNMPVar& source) {
  auto slot = std::make_unique<Slot>();
  slot->SetOid(TextOrEmpty(source.Oid));
  slot->Label = TextOrEmpty(source.Label);
  slot->ReadExpr = OptionalText(source.ReadExpr);
  slot->WriteExpr = OptionalText(source.WriteExpr);
  slot->Text3 = OptionalText(source.Text3);
  if (source.Value) slot->Value = *source.Value;
  if (source.LastOid) slot->LastOid = *source.LastOid;

  NvSNMPVar& var = slot->Var;
  var.Label = slot->Label.c_str();
  var.Syntax = source.Syntax;
  var.Access = source.Access;
  var.Options = source.Options;
  var.ReadExpr = PointerOf(slot->ReadExpr);
  var.WriteExpr = PointerOf(slot->WriteExpr);
  var.Text3 = PointerOf(slot->Text3);
  var.Value = &slot->Value;
  var.LastOid = &slot->LastOid;
  vars_.push_back(std::move(slot));
}

void NvSNMPVarList::AppendTable(const NvSNMPVar* table) {
  const int count = NvSNMPTableCount(table);
  vars_.reserve(vars_.size() + count);
  for (int i = 0; i < count; ++i) Append(table[i]);
}

void NvSNMPVarList::AddVar(const char* oid, const char* label, int syntax, int access,
                           NvOptionList* options, const char* readExpr, const char* writeExpr,
                           const char* text3) {
  auto nullWhenEmpty = [](const char* text) { return text && *text ? text : nullptr; };
  NvSNMPVar record{};
  record.Oid = oid ? oid : "";
  record.Label = label ? label : "";
  record.Syntax = syntax;
  record.Access = access;
  record.Options = options;
  record.ReadExpr = nullWhenEmpty(readExpr);
  record.WriteExpr = nullWhenEmpty(writeExpr);
  record.Text3 = nullWhenEmpty(text3);
  Append(record);
}

void NvSNMPVarList::AppendInstance(const std::string& suffix) {
  for (auto& slot : vars_) slot->SetOid(TextOrEmpty(slot->Var.Oid) + "." + suffix);
}

NvSNMPVar* NvSNMPVarList::GetVar(int i) {
  if (i < 0 || i >= GetCount()) throw std::out_of_range("NvSNMPVarList: no variable " + std::to_string(i));
  return &vars_[static_cast<size_t>(i)]->Var;
}

const NvSNMPVar* NvSNMPVarList::GetVar(int i) const {
  return const_cast<NvSNMPVarList*>(this)->GetVar(i);
}

bool NvSNMPVarList::IsReadable(int i) const {
  const int a = AccessOf(i);
  return (a & NvAccess::readonly) && !(a & NvAccess::invalid);
}

bool NvSNMPVarList::IsWritable(int i) const {
  const int a = AccessOf(i);
  if (a & NvAccess::invalid) return false;
  if (a & NvAccess::writeonly) return true;
  return (Kind == MVT_FMV || Kind == MVT_UMV) && i < IndexCount;
}

bool NvSNMPVarList::IsImplied(int i) const { return AccessOf(i) & NvAccess::implied; }

bool NvSNMPVarList::IsVisible(int i) const {
  const int a = AccessOf(i);
  if (a & (NvAccess::invalid | NvAccess::hidden)) return false;
  return a & (NvAccess::notaccess | NvAccess::readonly | NvAccess::derived);
}

int NvSNMPVarList::GetVisibleCount() const {
  int n = 0;
  for (int i = 0; i < GetCount(); ++i) n += IsVisible(i);
  return n;
}

bool NvSNMPVarList::IsHidden(int i) const {
  const int a = AccessOf(i);
  return a == NvAccess::writeonly || (a & (NvAccess::invalid | NvAccess::hidden));
}

int NvSNMPVarList::GetHiddenCount() const {
  int n = 0;
  for (int i = 0; i < GetCount(); ++i) n += IsHidden(i);
  return n;
}

int NvSNMPTableCount(const NvSNMPVar* table) {
  int n = 0;
  if (table)
    while (table[n].Oid) ++n;
  return n;
}

namespace {

const NvOptionPair ListKindSource[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {0, nullptr}};

const NvOptionPair SyntaxSource[] = {
    {2, "integer"},    {3, "bitstr"},      {4, "octetstr"},    {5, "null"},       {6, "objectid"},
    {64, "ipaddress"}, {65, "counter"},    {66, "guage"},      {67, "timeticks"}, {68, "opaque"},
    {70, "counter64"}, {1, "boolean"},     {69, "nsapaddr"},   {71, "uinteger"},  {72, "double"},
    {73, "macaddress"}, {74, "datetime"},  {75, "bcdatetime"}, {76, "displaystr"}, {193, "bool8"},
    {194, "int8"},     {195, "uint8"},     {196, "bool16"},    {197, "int16"},    {198, "uint16"},
    {77, "ipv6address"}, {78, "bitlist"},  {81, "inetaddress"}, {0, nullptr}};

const NvOptionPair AccessSource[] = {
    {1, "notaccess"}, {2, "readonly"}, {4, "writeonly"}, {6, "readwrite"},
    {8, "derived"},   {16, "hidden"},  {32, "invalid"},  {0, nullptr}};

}  // namespace

NvOptionList NvListKindNames(ListKindSource);
NvOptionList NvSyntaxNames(SyntaxSource);
NvOptionList NvAccessNames(AccessSource);
