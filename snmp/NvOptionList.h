// Enumeration names of MIB values: {1 "enabled", 2 "disabled"} and the like.
#pragma once

#include <string>
#include <vector>

class TComboBox;
class TRadioGroup;

// Static source arrays, ended by the first pair whose name is null.
struct NvOptionPair {      // kind 1: integer values
  int Value;
  const char* Name;
};
struct NvOptionTextPair {  // kinds 2 and 3: text values
  const char* Value;
  const char* Name;
};

struct NvOption {
  int IntValue = 0;        // kind 1
  std::string TextValue;   // kinds 2 and 3
  std::string Name;
};

class NvOptionList {
 public:
  enum Kind : int { IntValues = 1, TextValues = 2, TextPrefixes = 3 };

  NvOptionList() = default;  // empty; the data modules fill their static lists at start-up with Build
  NvOptionList(const NvOptionPair* source, int kind = IntValues, bool caseSensitive = false);
  NvOptionList(const NvOptionTextPair* source, int kind = TextValues, bool caseSensitive = false);
  NvOptionList(const NvOptionList&) = delete;
  NvOptionList& operator=(const NvOptionList&) = delete;

  // Replaces the entries by the pairs of source, in order; a null source leaves the list empty.
  // Integer pairs make kind 1 (kinds 2 and 3 take their values as decimal texts); text pairs
  // make kind 2 or 3. Any other kind throws std::invalid_argument.
  void Build(const NvOptionPair* source, int kind = IntValues, bool caseSensitive = false);
  void Build(const NvOptionTextPair* source, int kind = TextValues, bool caseSensitive = false);
  void Clear();

  int GetKind() const { return kind_; }
  bool IsCaseSensitive() const { return caseSensitive_; }
  int GetCount() const;
  // 0 <= i < GetCount(); out of range throws std::out_of_range.
  const NvOption& GetOption(int i) const;
  // Index of the first matching entry, -1 when none. Kinds 1 and 2 match whole texts, kind 3
  // prefixes; kind 1 values are integers, so "(NULL)" and non-numbers find nothing.
  int FindName(const std::string& text) const;
  int FindValue(const std::string& text) const;
  // Unknown values and names pass through unchanged; kind 3 keeps the text's tail.
  std::string ValueToName(const std::string& text) const;
  std::string NameToValue(const std::string& text) const;

  // Item k of the control is entry k; selecting tries the names first, then the values.
  void FillComboBox(TComboBox* combo) const;
  void SelectInComboBox(TComboBox* combo, const std::string& text) const;
  void FillRadioGroup(TRadioGroup* group) const;
  void SelectInRadioGroup(TRadioGroup* group, const std::string& text) const;

 private:
  int kind_ = IntValues;
  bool caseSensitive_ = false;
  std::vector<NvOption> entries_;
};

int NvOptionTableCount(const NvOptionPair* source);
int NvOptionTableCount(const NvOptionTextPair* source);
