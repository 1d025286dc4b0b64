// A list of MIB variables: what one request reads or writes, with every value as text.
//
//   NvSNMPVarList tmp(PortTable, MVT_FMV, 1);   // index column first
//   request->Vars = tmp;                        // deep copy; InstanceSuffix keeps its value
//   NvSNMPVar* v = request->Vars.GetVar(2);
//   *v->Value = "enabled";
//   v->Access |= NvAccess::invalid;             // left out of the next request
//
// The list owns every text of its variables; GetVar hands out the live record, whose fields
// callers read and change in place. Records never move while they are in the list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "NvOptionList.h"
#include "NvSNMPVar.h"

// How a list is read (NvSNMPVarList::Kind).
enum NvListKind : uint8_t {
  SVT_SV = 0,   // scalars: one GET, each OID followed by ".0"
  MVT_SV = 1,   // one table row: each OID followed by "." and InstanceSuffix
  MVT_FMV = 2,  // all rows by a GET-NEXT walk; the first IndexCount variables are index columns
  MVT_UMV = 3,  // as MVT_FMV, editing controls left unlocked
};

class NvSNMPVarList {
 public:
  NvSNMPVarList();
  NvSNMPVarList(const NvSNMPVar* table, int kind, int indexCount);
  NvSNMPVarList(const NvSNMPVarList& other);
  NvSNMPVarList(NvSNMPVarList&& other) noexcept;
  ~NvSNMPVarList();

  // Deep copy of kind, index count, caption and variables (options shared); InstanceSuffix stays.
  NvSNMPVarList& operator=(const NvSNMPVarList& other);
  NvSNMPVarList& operator=(NvSNMPVarList&& other) noexcept;

  // One variable per record up to the end record (a null Oid); a null table adds nothing.
  void AppendTable(const NvSNMPVar* table);
  // Empty (or null) expression texts and text3 are stored as null.
  void AddVar(const char* oid, const char* label, int syntax, int access, NvOptionList* options,
              const char* readExpr = nullptr, const char* writeExpr = nullptr,
              const char* text3 = nullptr);
  // Every variable's Oid becomes Oid + "." + suffix, index pseudo-columns included.
  void AppendInstance(const std::string& suffix);

  // 0 <= i < GetCount(); an index out of range throws std::out_of_range.
  NvSNMPVar* GetVar(int i);
  const NvSNMPVar* GetVar(int i) const;
  int GetCount() const { return static_cast<int>(vars_.size()); }

  bool IsReadable(int i) const;  // readonly bit, not invalid
  bool IsWritable(int i) const;  // not invalid; writeonly bit, or an index column of a walk
  bool IsImplied(int i) const;   // last index column without length prefix
  bool IsVisible(int i) const;   // gets a visible table column
  int GetVisibleCount() const;
  bool IsHidden(int i) const;    // gets a zero-width table column
  int GetHiddenCount() const;

  std::string InstanceSuffix;  // when not empty, "." and this follow every column OID
  int32_t IndexCount = 0;
  uint8_t Kind = SVT_SV;       // an NvListKind; other values are refused by the request
  std::string Caption;         // name of the list in status lines

 private:
  struct Slot;  // one record and the texts it points into
  int AccessOf(int i) const { return GetVar(i)->Access; }
  void Append(const NvSNMPVar& source);

  std::vector<std::unique_ptr<Slot>> vars_;
};

// Number of records before the end record; 0 for a null table.
int NvSNMPTableCount(const NvSNMPVar* table);

// Names of the codes (integer values, case-insensitive); built at start-up, never looked up by
// the engine itself.
extern NvOptionList NvListKindNames;
extern NvOptionList NvSyntaxNames;
extern NvOptionList NvAccessNames;
