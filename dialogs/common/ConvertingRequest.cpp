#include "ConvertingRequest.h"

#include "DialogChecks.h"
#include "Dialogs.h"
#include "Exception.h"
#include "StdCtrls.h"

NvTextConversion NamesOf(const std::vector<std::string>& names) {
  return [names](const std::string& value) { return BitsToNames(value, names); };
}

NvTextParse BitsOf(const std::vector<std::string>& names) {
  return [names](const std::string& text, std::string& refusal) {
    std::string unknown;
    std::optional<std::string> bits = NamesToBits(text, names, &unknown);
    if (!bits) {
      constexpr size_t kShown = 40;  // of a word typed or pasted: the box stays readable
      if (unknown.size() > kShown) unknown = unknown.substr(0, kShown) + "...";
      refusal = "'" + unknown + "' is not one of:";
      for (size_t k = 0; k < names.size(); ++k) refusal += (k ? ", " : " ") + names[k];
    }
    return bits;
  };
}

bool NvConvertingRequest::TypedTextsAccepted() {
  for (const NvShownColumn& column : Columns) {
    if (!column.Back || !column.Edit) continue;
    std::string refusal;
    if (column.Back(column.Edit->GetText(), refusal)) continue;
    ShowMessage(refusal);
    if (column.Edit->CanFocus()) column.Edit->SetFocus();
    return false;
  }
  return true;
}

void NvConvertingRequest::ShowRow() {
  if (ListView)
    for (const NvShownColumn& column : Columns) {
      std::string* value = Request.Vars.GetVar(column.Var)->Value;
      *value = column.Show(*value);
    }
  NvSNMPRequest2Edits::ShowRow();
}

void NvConvertingRequest::OnSelectItem(TObject* Sender, TListItem* Item, bool Selected) {
  NvSNMPRequest2Edits::OnSelectItem(Sender, Item, Selected);
  if (!Selected || !ListView) return;
  for (const NvShownColumn& column : Columns)
    if (column.Edit) column.Edit->Text = *Request.Vars.GetVar(column.Var)->Value;
}

void NvConvertingRequest::CollectValues() {
  // The shown texts must be values again before the bound controls are read over them.
  for (int i = 0; i < Request.Vars.GetCount(); ++i) Request.Vars.GetVar(i)->Value->clear();
  if (ListView) ReadSelectedRow();
  for (const NvShownColumn& column : Columns) {
    std::string* value = Request.Vars.GetVar(column.Var)->Value;
    if (!column.Back) continue;
    std::string refusal;
    std::optional<std::string> back = column.Back(column.Edit ? column.Edit->GetText() : *value, refusal);
    if (!back) throw Exception(refusal);
    *value = *back;
  }
  ControlsToValues(-1);
}
