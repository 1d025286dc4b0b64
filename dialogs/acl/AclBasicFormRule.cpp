#include "AclBasicFormRule.h"

#include "ExtCtrls.h"
#include "NvSNMPRequest2Edits.h"
#include "PartialSet.h"
#include "StackingPortUitForm.h"

void TAclBasicFormRuleBase::MakeUnitPicker(TPanel* host) {
  CreatePortPicker(host, 12);
  Pickers = {&PortPicker};
}

void TAclBasicFormRuleBase::OpenRegistered(const NvSNMPVar* table, bool blocking,
                                           std::initializer_list<NvFieldFormat> formats) {
  OpenTable(table, 2, blocking);
  VarCount = Table->Request.Vars.GetCount();
  IndexCount = Table->Request.Vars.IndexCount;
  auto formatOf = [&](int var) -> const char* {
    for (const NvFieldFormat& f : formats)
      if (f.Var == var) return f.Format;
    return "%s";
  };
  auto unregistered = [&] {
    IncludeControls->Add(nullptr);
    BoundControls->Add(nullptr);
  };
  for (int var = 0; var < VarCount; ++var) {
    if (var == 0 || var == 1) {
      Table->BindEdits(var, formatOf(var), var == 0 ? ProfileKey : AccessKey);
      unregistered();
    } else if (var == PortColumn) {
      Table->BindControlList(var, PortIndexList, PortPicker->CheckBoxes);
      unregistered();
    } else {
      const NvIncludeBox* field = nullptr;
      for (const NvIncludeBox& include : IncludeBoxes)
        if (include.Column == var) field = &include;
      if (!field)
        unregistered();
      else if (auto* combo = dynamic_cast<TComboBox*>(field->Field))
        BindWithInclude(Table, var, combo, field->Box);
      else
        BindEditWithInclude(Table, var, formatOf(var), static_cast<TEdit*>(field->Field), field->Box);
    }
  }
}

void TAclBasicFormRuleBase::CreateAndRead(TPanel* host, const NvSNMPVar* table, bool blocking,
                                          std::initializer_list<NvFieldFormat> formats,
                                          const std::function<void()>& startingChoices) {
  const bool bound = Guarded(
      [&] {
        MakeUnitPicker(host);
        OpenRegistered(table, blocking, formats);
        ClearDetailControls();
        if (startingChoices) startingChoices();
        IdleButtons();
      },
      [&] { DataComplete = 1; });
  if (bound) Refresh();
  ShowRowCount();
}

bool TAclBasicFormRuleBase::WriteIncluded() {
  // The scope gives the words back, as ClearIncludeFlags would.
  return WriteRow([&](NvVarFlagsScope&) { ApplyIncludeFlags(Table); });
}
