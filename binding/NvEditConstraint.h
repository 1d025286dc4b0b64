// Value formats: texts such as "%i{n1x65535l5}" that say what an edit may hold. A format
// of several adjoining pieces constrains several edits, piece k the k-th edit:
//
//   NvEditConstraint c(form, 1);
//   c.SetFormat("%i{n0x255}%i{n0x255}", {EditA, EditB});
//
// Each constrained edit gets its width and MaxLength, a key filter on every change of its
// text (refused characters removed with a beep) and a check when it loses the focus (a
// message box, the last accepted text put back and the focus returned when it refuses).
//
// A value a binding shows counts as accepted: show it with ShowAcceptedText (or call
// SaveAcceptedText after setting the text), so that a refused typed value brings the shown
// value back and never leaves an empty text for a later SET to send.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Classes.h"

class TControl;
class TCustomEdit;
class TForm;
class TList;

// Decides alone whether the edit's value is accepted; shows its own message when not.
using NvEditCheckCallback = std::function<bool(TControl*)>;

// Length flags of a piece's "l" item.
namespace NvEditLength {
enum : short { Advance = 1, Fixed = 2, NotEmpty = 4 };
}

// Address kinds of the "I" and "M" items.
namespace NvEditAddress {
enum : unsigned char { None, IPv4, MulticastIPv4, IPv6, MulticastIPv6, Mac, MulticastMac, UnicastMac };
}

struct _EditConstraint_s {
  TCustomEdit* Edit = nullptr;
  char Conversion = 0;            // f, h, i, s, u or n
  char Delimiter = 0;             // list delimiter of "n"
  double Minimum = 0;
  double Maximum = 0;
  int MaxLength = 0;              // characters; list items for "n"; 0 = no limit
  unsigned char UseCheck = 0;     // the piece holds "Z"
  unsigned char AddressKind = NvEditAddress::None;
  NvEditCheckCallback Check;
  short LengthFlags = 0;          // NvEditLength
  char JumpChar = 0;              // typing it moves the focus on
  std::string AcceptedText;       // put back when a value is refused
  bool AcceptedShown = false;     // AcceptedText was shown or accepted, so it stands unchecked
  TNotifyEvent SavedChange;
  TNotifyEvent SavedExit;
};

class NvEditConstraint {
 public:
  NvEditConstraint(TForm* owner, unsigned char saveAcceptedText);
  ~NvEditConstraint();
  NvEditConstraint(const NvEditConstraint&) = delete;
  NvEditConstraint& operator=(const NvEditConstraint&) = delete;

  // Attaches piece k of the format to edit k of the list (TCustomEdit* items). Throws
  // code -2 at a bad piece; pieces attached before it stay attached.
  void SetFormat(const std::string& format, TList* edits, NvEditCheckCallback check = nullptr);
  void SetFormat(const std::string& format, const std::vector<TCustomEdit*>& edits,
                 NvEditCheckCallback check = nullptr);
  // Parses one piece and attaches it to the edit; throws code -2 on a bad piece.
  void SetConstraint(const std::string& piece, TCustomEdit* edit, NvEditCheckCallback check = nullptr);
  // Gives the edit back the change and exit handlers it had before; nothing when unconstrained.
  void RemoveConstraint(TCustomEdit* edit);
  // The window that owns the message boxes and receives the focus moves.
  void SetOwner(TForm* owner);
  TForm* Owner() const { return owner_; }
  _EditConstraint_s* FindConstraint(TControl* control) const;
  // The control's current text becomes its last accepted text.
  void SaveAcceptedText(TControl* control);
  // Every constrained edit's current text becomes its accepted text.
  void AcceptShownTexts();
  // Shows a value in the edit and makes it the accepted text (the binding's way to show).
  void ShowAcceptedText(TCustomEdit* edit, const std::string& text);
  // The check of leaving the edit: on refusal the message, the accepted text put back and
  // the focus returned. True when the text is accepted. Calls no saved handler.
  bool CheckText(TCustomEdit* edit);

  void OnEditChange(TObject* Sender);
  void OnEditExit(TObject* Sender);

  // How many edits a format constrains: one per "%" followed by f, h, i, s, u or n.
  static int CountPieces(const std::string& format);

 private:
  void Refuse(_EditConstraint_s& record, const std::string& message);
  bool CheckValue(_EditConstraint_s& record, const std::string& text, std::string& message);

  TForm* owner_;
  unsigned char saveAcceptedText_;
  std::vector<_EditConstraint_s*> records_;
  // What the installed handlers reach this object through; cleared when it goes.
  std::shared_ptr<NvEditConstraint*> self_;
};
