// The read-only LLDP table views (remote systems, local and remote link aggregation): a list
// of the table whose BITS columns are shown as names. Nothing is written. The members differ
// only in NvLldpInfoMember.
#pragma once

#include <string>
#include <vector>

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

// The names of the capability and link aggregation bits, from bit 0x80 of the first octet on.
namespace NvLldpNames {
extern const std::vector<std::string> LocalCapabilities;
extern const std::vector<std::string> RemoteCapabilities;
extern const std::vector<std::string> LinkAggregation;
}  // namespace NvLldpNames

struct NvLldpNamedColumn {
  int Var;
  const std::vector<std::string>* Names;
};

struct NvLldpInfoMember {
  const NvSNMPVar* Table;
  int IndexColumns;
  int Width, Height;
  bool Centred;  // on the main window; else at the designed place
  std::vector<NvLldpNamedColumn> Named;
};

class TLLDPInfoTableDialog : public TFeatureDialog {
 public:
  TLLDPInfoTableDialog(TComponent* Owner, const NvLldpInfoMember& member);

  TListView* ListView1;
  TStaticText* StaticText1;
  TButton* GetButton;
  TButton* CloseButton;

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  const NvLldpInfoMember& member_;
};
