// The rules whose fields are registered with the base form, as it keeps them: each field's
// control and include box under its variable's number, the port picker of twelve unit pages,
// and writes that carry the fields whose boxes are both ticked and enabled.
#pragma once

#include <initializer_list>

#include "AclFamily.h"

class TPanel;

// The value format of a field's edit; a combo box needs none.
struct NvFieldFormat {
  int Var;
  const char* Format;
};

class TAclBasicFormRuleBase : public TAclRuleBase {
 public:
  using TAclRuleBase::TAclRuleBase;

  // The base form's picker on host: twelve unit pages of 64 boxes in rows of 12, unit 1
  // shown with the model's ports and bound; freed with the requests.
  void MakeUnitPicker(TPanel* host);
  // The table (two index columns) with every variable bound and registered in variable order:
  // the keys (ProfileKey, AccessKey) and the port list with neither box nor control, every
  // other one as IncludeBoxes gives it. formats: the edits' value formats, keys included.
  void OpenRegistered(const NvSNMPVar* table, bool blocking, std::initializer_list<NvFieldFormat> formats);
  // FormCreate of a member: the picker on host, the table opened as OpenRegistered does, the
  // details cleared, then startingChoices and the idle state; then the first read. A failure
  // is shown in the status bar.
  void CreateAndRead(TPanel* host, const NvSNMPVar* table, bool blocking, std::initializer_list<NvFieldFormat> formats,
                     const std::function<void()>& startingChoices = nullptr);
  // WriteRow carrying the fields whose boxes are ticked and enabled, and the port list.
  bool WriteIncluded();
};
