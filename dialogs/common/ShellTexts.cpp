#include "ShellTexts.h"

#include <utility>

#include "StdCtrls.h"

namespace {

std::function<TStaticText*()>& Source() {
  static std::function<TStaticText*()> source;
  return source;
}

// The text when no main window holds it (the dialogs alone, as in their tests).
std::string& Kept() {
  static std::string kept = "ST_Version";
  return kept;
}

TStaticText* Holder() { return Source() ? Source()() : nullptr; }

}  // namespace

void NvSetStpVersionTextSource(std::function<TStaticText*()> source) { Source() = std::move(source); }

std::string StpVersionText() {
  if (TStaticText* text = Holder()) return text->Caption;
  return Kept();
}

void SetStpVersionText(const std::string& version) {
  if (TStaticText* text = Holder())
    text->Caption = version;
  else
    Kept() = version;
}
