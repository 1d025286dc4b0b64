#include "ConvertingRequest.h"

#include "DialogChecks.h"
#include "StdCtrls.h"

NvTextConversion NamesOf(const std::vector<std::string>& names) {
  return [names](const std::string& value) { return BitsToNames(value, names); };
}

NvTextConversion BitsOf(const std::vector<std::string>& names) {
  // One octet's value may come as one digit; it travels as the whole octet.
  return [names](const std::string& text) {
    std::string hex = NamesToBits(text, names);
    if (hex.size() % 2 != 0) hex.insert(hex.begin(), '0');
    return hex;
  };
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
    if (column.Back) *value = column.Back(column.Edit ? column.Edit->GetText() : *value);
  }
  ControlsToValues(-1);
}
