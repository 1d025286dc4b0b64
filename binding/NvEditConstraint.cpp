#include "NvEditConstraint.h"

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Controls.h"
#include "Forms.h"
#include "NvSNMPError.h"
#include "NvUtils.h"
#include "NvValueChecks.h"
#include "StdCtrls.h"
#include "Windows.h"

namespace {

// Entries of "common.err".
enum CommonErr {
  EmptyValue = 3,
  StringMaxLen = 4,
  StringLen = 5,
  HexMaxLen = 6,
  HexLen = 7,
  NumberRange = 8,
  ListMaxCount = 9,
  ListCount = 10,
  ListRange = 11,
  MulticastIP = 20,
  IPv6 = 21,
  Mac = 23,
  MulticastMac = 24,
  UnicastMac = 25,
};

bool IsSpecialValue(const std::string& text) { return text == "(NOTDONE)" || text == "(NULL)"; }

// The whole text as a number of the conversion: digits, a "-" first where the range has
// negative numbers, one "." for "f"; nothing before, between or after ("12a", " 12", "1e3"
// and "--1" are no numbers, whatever strtod would make of their start).
bool ReadWholeNumber(char conversion, double minimum, const std::string& text, double& value) {
  constexpr size_t kLongest = 330;  // every finite double fits
  if (text.empty() || text.size() > kLongest) return false;
  size_t p = text[0] == '-' && conversion != 'u' && minimum < 0 ? 1 : 0;
  size_t digits = 0, points = 0;
  for (; p < text.size(); ++p) {
    if (text[p] >= '0' && text[p] <= '9') ++digits;
    else if (text[p] == '.' && conversion == 'f' && points == 0) ++points;
    else return false;
  }
  if (digits == 0) return false;
  value = std::strtod(text.c_str(), nullptr);
  return std::isfinite(value);
}

// Delimited whole numbers 0 to 4294967295: no empty item, no sign, blank or fraction.
bool ReadNumberList(const std::string& text, char delimiter, std::vector<uint32_t>& numbers) {
  numbers.clear();
  for (const std::string& item : NvSplit(text, delimiter)) {
    if (item.empty() || item.size() > 10 || item.find_first_not_of("0123456789") != std::string::npos) return false;
    const uint64_t v = std::stoull(item);
    if (v > UINT32_MAX) return false;
    numbers.push_back(uint32_t(v));
  }
  return true;
}

[[noreturn]] void ThrowBadPiece() { NvThrowError(NvErr::BadFormatSpecifier); }

// The shortest general form with at most 15 significant digits: 1, 65535, -2147483648.
std::string General(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  return buf;
}

double ToDouble(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(begin, &end);
  if (text.empty() || end != begin + text.size() || errno == ERANGE)
    throw Exception("'" + text + "' is not a valid floating point value");
  return value;
}

// A piece parsed, before anything of it is attached.
struct Piece {
  char conversion = 0;
  char delimiter = 0;
  double minimum = 0;
  double maximum = 0;
  int maxLength = 0;
  short lengthFlags = 0;
  unsigned char useCheck = 0;
  unsigned char addressKind = NvEditAddress::None;
  char jumpChar = 0;
  int width = 0;
};

// The run of characters from set starting at pos; pos moves past it.
std::string Run(const std::string& items, size_t& pos, const char* set) {
  const size_t start = pos;
  while (pos < items.size() && std::string(set).find(items[pos]) != std::string::npos) ++pos;
  return items.substr(start, pos - start);
}

Piece ParsePiece(const std::string& text) {
  if (text.size() < 2 || text[0] != '%') ThrowBadPiece();
  Piece p;
  p.conversion = text[1];
  switch (p.conversion) {
    case 'f': p.minimum = 2.2250738585072014E-308; p.maximum = 1.7976931348623157E308; break;
    case 'i': p.minimum = -2147483648.0; p.maximum = 2147483647.0; break;
    case 'u':
    case 'n': p.minimum = 0; p.maximum = 4294967295.0; break;
    case 'h':
    case 's': break;
    default: ThrowBadPiece();
  }
  size_t pos = 2;
  if (p.conversion == 'n') {
    if (text.size() < 3) ThrowBadPiece();
    p.delimiter = text[2];
    pos = 3;
  }
  if (pos == text.size()) return p;
  if (text[pos] != '{' || text.back() != '}' || text.size() - pos < 2) ThrowBadPiece();
  const std::string items = text.substr(pos + 1, text.size() - pos - 2);
  static const char* const kNumber = "-0123456789.";
  static const char* const kDigits = "0123456789";
  for (size_t i = 0; i < items.size();) {
    const char item = items[i++];
    switch (item) {
      case 'n':
      case 'x': {
        const std::string number = Run(items, i, kNumber);
        if (number.empty()) ThrowBadPiece();
        (item == 'n' ? p.minimum : p.maximum) = ToDouble(number);
        break;
      }
      case 'l': {
        const std::string digits = Run(items, i, kDigits);
        if (digits.empty() || digits.size() > 9) ThrowBadPiece();
        p.maxLength = std::atoi(digits.c_str());
        for (int k = 0; k < 3 && i < items.size(); ++k, ++i) {
          const char flag = items[i];
          if (flag == 'a') p.lengthFlags += NvEditLength::Advance;
          else if (flag == 'f') p.lengthFlags += NvEditLength::Fixed;
          else if (flag == 'n') p.lengthFlags += NvEditLength::NotEmpty;
          else break;
        }
        break;
      }
      case 'w': {
        const std::string digits = Run(items, i, kDigits);
        if (digits.empty() || digits.size() > 9) ThrowBadPiece();
        p.width = std::atoi(digits.c_str());
        break;
      }
      case 'e':
        if (i >= items.size()) ThrowBadPiece();
        p.jumpChar = items[i++];
        break;
      case 'I':
        p.addressKind = NvEditAddress::IPv4;
        if (i < items.size() && items[i] == '6') {
          p.addressKind = NvEditAddress::IPv6;
          ++i;
        }
        // The next character is the modifier's place, skipped whatever it holds.
        if (i < items.size()) {
          if (items[i] == 'm') p.addressKind = p.addressKind == NvEditAddress::IPv6 ? NvEditAddress::MulticastIPv6
                                                                                    : NvEditAddress::MulticastIPv4;
          ++i;
        }
        break;
      case 'M':
        p.addressKind = NvEditAddress::Mac;
        if (i < items.size()) {
          if (items[i] == 'm') p.addressKind = NvEditAddress::MulticastMac;
          else if (items[i] == 'u') p.addressKind = NvEditAddress::UnicastMac;
          ++i;
        }
        break;
      case 'Z': p.useCheck = 1; break;
      default: ThrowBadPiece();
    }
  }
  return p;
}

bool CharAccepted(const _EditConstraint_s& r, const std::string& text, size_t i, bool& pointSeen) {
  const char c = text[i];
  const bool digit = c >= '0' && c <= '9';
  switch (r.Conversion) {
    case 'f':
      if (c == '.' && !pointSeen) {
        pointSeen = true;
        return true;
      }
      return digit || (c == '-' && i == 0);
    case 'i': return digit || (c == '-' && i == 0);
    case 'u': return digit;
    case 'h': return digit || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    case 'n': return digit || (c == r.Delimiter && i > 0 && text[i - 1] != r.Delimiter);
    default: return true;
  }
}

HWND WindowOf(TForm* owner, TCustomEdit* edit) {
  if (owner) return owner;
  return edit ? dynamic_cast<TWinControl*>(GetParentForm(edit)) : nullptr;
}

}  // namespace

NvEditConstraint::NvEditConstraint(TForm* owner, unsigned char saveAcceptedText)
    : owner_(owner), saveAcceptedText_(saveAcceptedText), self_(std::make_shared<NvEditConstraint*>(this)) {}

NvEditConstraint::~NvEditConstraint() {
  // Handlers still installed on edits that outlive this object find it gone and do nothing.
  *self_ = nullptr;
  for (_EditConstraint_s* record : records_) delete record;
}

int NvEditConstraint::CountPieces(const std::string& format) {
  int count = 0;
  for (size_t i = 0; i + 1 < format.size(); ++i)
    if (format[i] == '%' && std::string("shiufn").find(format[i + 1]) != std::string::npos) ++count;
  return count;
}

void NvEditConstraint::SetFormat(const std::string& format, TList* edits, NvEditCheckCallback check) {
  std::vector<TCustomEdit*> list;
  for (int i = 0; edits && i < edits->Count; ++i) list.push_back(static_cast<TCustomEdit*>(edits->Items[i]()));
  SetFormat(format, list, std::move(check));
}

void NvEditConstraint::SetFormat(const std::string& format, const std::vector<TCustomEdit*>& edits,
                                 NvEditCheckCallback check) {
  size_t next = 0;
  auto attach = [&](const std::string& piece) {
    // A format with more pieces than edits names an edit that is not there.
    if (next >= edits.size() || !edits[next]) NvThrowError(NvErr::TooFewControls);
    SetConstraint(piece, edits[next++], check);
  };
  std::string piece;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '%' && i > 0) {
      attach(piece);
      piece = "%";
      continue;  // a "%" in last place starts a piece that is never attached
    }
    piece += c;
    if (i + 1 == format.size()) attach(piece);
  }
}

void NvEditConstraint::SetConstraint(const std::string& text, TCustomEdit* edit, NvEditCheckCallback check) {
  const Piece p = ParsePiece(text);
  if (!edit) NvThrowError(NvErr::TooFewControls);
  _EditConstraint_s* r = FindConstraint(edit);
  if (!r) {
    r = new _EditConstraint_s;
    r->Edit = edit;
    r->SavedChange = edit->OnChange;
    r->SavedExit = edit->OnExit;
    records_.push_back(r);
  }
  r->Conversion = p.conversion;
  r->Delimiter = p.delimiter;
  r->Minimum = p.minimum;
  r->Maximum = p.maximum;
  r->MaxLength = p.maxLength;
  r->UseCheck = p.useCheck;
  r->AddressKind = p.addressKind;
  r->Check = std::move(check);
  r->LengthFlags = p.lengthFlags;
  r->JumpChar = p.jumpChar;
  if (p.width > 0) edit->Width = p.width;
  edit->MaxLength = p.maxLength;
  std::shared_ptr<NvEditConstraint*> self = self_;
  edit->OnChange = [self](TObject* sender) {
    if (*self) (*self)->OnEditChange(sender);
  };
  edit->OnExit = [self](TObject* sender) {
    if (*self) (*self)->OnEditExit(sender);
  };
}

void NvEditConstraint::RemoveConstraint(TCustomEdit* edit) {
  auto it = std::find_if(records_.begin(), records_.end(),
                         [edit](const _EditConstraint_s* r) { return r && r->Edit == edit; });
  if (it == records_.end()) return;
  edit->OnChange = (*it)->SavedChange;
  edit->OnExit = (*it)->SavedExit;
  delete *it;
  records_.erase(it);
}

void NvEditConstraint::SetOwner(TForm* owner) { owner_ = owner; }

_EditConstraint_s* NvEditConstraint::FindConstraint(TControl* control) const {
  for (_EditConstraint_s* r : records_)
    if (r && r->Edit == control) return r;
  return nullptr;
}

void NvEditConstraint::SaveAcceptedText(TControl* control) {
  if (_EditConstraint_s* r = FindConstraint(control)) {
    r->AcceptedText = r->Edit->Text;
    r->AcceptedShown = true;
  }
}

void NvEditConstraint::AcceptShownTexts() {
  for (_EditConstraint_s* r : records_)
    if (r) SaveAcceptedText(r->Edit);
}

void NvEditConstraint::ShowAcceptedText(TCustomEdit* edit, const std::string& text) {
  edit->Text = text;
  SaveAcceptedText(edit);
}

void NvEditConstraint::OnEditChange(TObject* Sender) {
  auto* edit = dynamic_cast<TCustomEdit*>(Sender);
  _EditConstraint_s* r = edit ? FindConstraint(edit) : nullptr;
  if (!r) return;
  const std::string text = edit->Text;
  if (text.empty() || IsSpecialValue(text)) return;
  if (r->JumpChar) {
    const size_t at = text.find(r->JumpChar);
    if (at != std::string::npos) {
      edit->Text = std::string(text).erase(at, 1);
      PostMessage(WindowOf(owner_, edit), WM_NEXTDLGCTL, 0, 0);
      return;
    }
  }
  bool pointSeen = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!CharAccepted(*r, text, i, pointSeen)) {
      // Setting the text raises this handler again for the rest of the text.
      edit->Text = std::string(text).erase(i, 1);
      Beep(1000, 200);
      return;
    }
  }
  if (r->SavedChange) r->SavedChange(edit);
  if ((r->LengthFlags & NvEditLength::Advance) && r->MaxLength > 0 &&
      static_cast<int>(text.size()) == r->MaxLength)
    PostMessage(WindowOf(owner_, edit), WM_NEXTDLGCTL, 0, 0);
}

void NvEditConstraint::OnEditExit(TObject* Sender) {
  auto* edit = dynamic_cast<TCustomEdit*>(Sender);
  _EditConstraint_s* r = edit ? FindConstraint(edit) : nullptr;
  if (!r) return;
  const std::string text = edit->Text;
  if (text.empty() || IsSpecialValue(text)) {
    CheckText(edit);  // refuses an empty text that must not be empty
    return;
  }
  if (!CheckText(edit)) return;
  if (r->SavedExit) r->SavedExit(edit);
  if (saveAcceptedText_) SaveAcceptedText(edit);
}

bool NvEditConstraint::CheckText(TCustomEdit* edit) {
  _EditConstraint_s* r = FindConstraint(edit);
  if (!r) return true;
  const std::string text = edit->Text;
  if (IsSpecialValue(text)) return true;
  // The switch's own value stands even where the format would refuse it: refusing would put
  // the same text back and hold the focus for ever.
  if (r->AcceptedShown && text == r->AcceptedText) return true;
  if (text.empty()) {
    if (!(r->LengthFlags & NvEditLength::NotEmpty)) return true;
    Refuse(*r, NvCommonErrors.Text(EmptyValue));
    return false;
  }
  std::string message;
  if (CheckValue(*r, text, message)) return true;
  Refuse(*r, message);
  return false;
}

bool NvEditConstraint::CheckValue(_EditConstraint_s& r, const std::string& text, std::string& message) {
  if (r.UseCheck && r.Check) return r.Check(r.Edit);
  auto refuse = [&](int entry) {
    message = NvCommonErrors.Text(entry);
    return false;
  };
  switch (r.Conversion) {
    case 'f':
    case 'i':
    case 'u': {
      double value = 0;
      if (ReadWholeNumber(r.Conversion, r.Minimum, text, value) && value >= r.Minimum && value <= r.Maximum)
        return true;
      refuse(NumberRange);
      message = NvReplaceAll(NvReplaceAll(message, "[MIN]", General(r.Minimum)), "[MAX]", General(r.Maximum));
      return false;
    }
    case 'h':
    case 's': {
      const std::string maxLen = std::to_string(r.MaxLength);
      if (r.AddressKind != NvEditAddress::None) {
        bool ok = true;
        int entry = 0;
        switch (r.AddressKind) {
          case NvEditAddress::IPv4: ok = CheckIPAddress(r.Edit); break;  // shows its own message
          case NvEditAddress::MulticastIPv4: ok = IsMulticastIPAddress(r.Edit); entry = MulticastIP; break;
          case NvEditAddress::IPv6: ok = IsHexKey32(r.Edit); entry = IPv6; break;
          case NvEditAddress::MulticastIPv6: break;
          case NvEditAddress::Mac: ok = IsMacAddress(r.Edit); entry = Mac; break;
          case NvEditAddress::MulticastMac: ok = IsMacAddress(r.Edit) && IsMulticastMacAddress(r.Edit); entry = MulticastMac; break;
          case NvEditAddress::UnicastMac: ok = IsMacAddress(r.Edit) && IsUnicastMacAddress(r.Edit); entry = UnicastMac; break;
        }
        if (ok) return true;
        if (entry) message = NvReplaceAll(NvCommonErrors.Text(entry), "[MAXLEN]", maxLen);
        return false;
      }
      if (r.MaxLength <= 0) return true;
      const int length = static_cast<int>(text.size());
      if (r.LengthFlags & NvEditLength::Fixed) {
        if (length == r.MaxLength) return true;
        refuse(r.Conversion == 's' ? StringLen : HexLen);
        message = NvReplaceAll(message, "[LEN]", maxLen);
        return false;
      }
      if (length <= r.MaxLength) return true;
      refuse(r.Conversion == 's' ? StringMaxLen : HexMaxLen);
      message = NvReplaceAll(message, "[MAXLEN]", maxLen);
      return false;
    }
    case 'n': {
      std::vector<uint32_t> numbers;
      const bool whole = ReadNumberList(text, r.Delimiter, numbers);
      const std::string delimiter(1, r.Delimiter);
      const std::string count = std::to_string(r.MaxLength);
      const int items = int(NvSplit(text, r.Delimiter).size());
      if (r.MaxLength > 0) {
        const bool fixed = r.LengthFlags & NvEditLength::Fixed;
        if (fixed ? items != r.MaxLength : items > r.MaxLength) {
          refuse(fixed ? ListCount : ListMaxCount);
          message = NvReplaceAll(NvReplaceAll(NvReplaceAll(message, "[DELIMITER]", delimiter), "[COUNT]", count),
                                 "[MAXCOUNT]", count);
          return false;
        }
      }
      const auto low = static_cast<uint32_t>(static_cast<int64_t>(r.Minimum));
      const auto high = static_cast<uint32_t>(static_cast<int64_t>(r.Maximum));
      if (whole && std::all_of(numbers.begin(), numbers.end(), [&](uint32_t n) { return n >= low && n <= high; }))
        return true;
      refuse(ListRange);
      message = NvReplaceAll(NvReplaceAll(NvReplaceAll(message, "[DELIMITER]", delimiter), "[MIN]", std::to_string(low)),
                             "[MAX]", std::to_string(high));
      return false;
    }
    default: return true;
  }
}

void NvEditConstraint::Refuse(_EditConstraint_s& r, const std::string& message) {
  TCustomEdit* edit = r.Edit;
  if (!message.empty()) MessageBoxA(WindowOf(owner_, edit), message, Application->Title(), MB_OK);
  // The record may have gone while the box was up; look it up again.
  if (_EditConstraint_s* again = FindConstraint(edit)) edit->Text = again->AcceptedText;
  if (edit->CanFocus()) edit->SetFocus();
}
