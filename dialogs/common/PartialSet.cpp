#include "PartialSet.h"

#include <algorithm>
#include <memory>

#include "DialogReads.h"
#include "Forms.h"
#include "NvSNMPError.h"
#include "NvSNMPRequest2Controls.h"
#include "NvSNMPVarList.h"
#include "Windows.h"

NvVarFlagsScope::NvVarFlagsScope(NvSNMPVarList& vars) : vars_(vars) {
  for (int i = 0; i < vars_.GetCount(); ++i) saved_.push_back(vars_.GetVar(i)->Access);
}

NvVarFlagsScope::~NvVarFlagsScope() { RestoreVarFlags(); }

bool NvVarFlagsScope::MayLeaveOut(int index) const {
  if (index < 0 || index >= static_cast<int>(saved_.size()) || index >= vars_.GetCount()) return false;
  if (index < vars_.IndexCount) return false;
  const int word = saved_[static_cast<size_t>(index)];
  return (word & NvAccess::notaccess) == 0 && (word & NvAccess::writeonly) != 0;
}

void NvVarFlagsScope::ExcludeVar(int index) {
  if (MayLeaveOut(index)) vars_.GetVar(index)->Access = NvAccess::invalid;
}

void NvVarFlagsScope::IncludeVar(int index) {
  if (MayLeaveOut(index)) vars_.GetVar(index)->Access = saved_[static_cast<size_t>(index)];
}

void NvVarFlagsScope::ExcludeAllBut(std::initializer_list<int> kept) {
  ExcludeAllBut(std::span<const int>(kept.begin(), kept.size()));
}

void NvVarFlagsScope::ExcludeAllBut(std::span<const int> kept) {
  for (int i = 0; i < static_cast<int>(saved_.size()); ++i) {
    if (std::find(kept.begin(), kept.end(), i) != kept.end())
      IncludeVar(i);
    else
      ExcludeVar(i);
  }
}

void NvVarFlagsScope::Abandon() { saved_.clear(); }

void NvVarFlagsScope::RestoreVarFlags() {
  if (saved_.empty()) return;  // abandoned: the list may be gone
  const int count = std::min(vars_.GetCount(), static_cast<int>(saved_.size()));
  for (int i = 0; i < count; ++i) vars_.GetVar(i)->Access = saved_[static_cast<size_t>(i)];
}

bool NvSetOutcome::Taken(size_t step) const {
  auto in = [step](const std::vector<size_t>& steps) { return std::find(steps.begin(), steps.end(), step) != steps.end(); };
  return !in(Refused) && !in(Unsent) && !in(Unknown);
}

bool NvSetOutcome::Held() const { return Refused.empty() && Unknown.empty() && !Unsent.empty() && Unsent.front() == 0; }

std::vector<NvSetWrite> WritesOf(NvSNMPRequest2Controls* request, std::span<const NvSetStep> steps) {
  std::vector<NvSetWrite> writes;
  for (const NvSetStep& step : steps) writes.push_back({request, step});
  return writes;
}

bool SendSetSequence(NvSNMPRequest2Controls* request, std::span<const NvSetStep> steps,
                     NvAfterRefusedSet afterRefused, NvSetOutcome* outcome) {
  return SendSetWrites(WritesOf(request, steps), afterRefused, outcome);
}

namespace {

// What every request of a write holds while its steps run: no read before the access words
// are back, no box of its own.
struct RequestHold {
  explicit RequestHold(NvSNMPRequest2Controls* request) : Request(request), Reads(request), Boxes(request) {}
  NvSNMPRequest2Controls* Request;
  NvSNMPRequest2Controls::ReadsHeld Reads;
  NvSNMPRequest2Controls::SetBoxesHeld Boxes;
};

enum class StepEnd { Taken, Refused, Unanswered, Gone };

StepEnd SendStep(const NvSetWrite& write) {
  NvSNMPRequest2Controls* request = write.Request;
  const std::shared_ptr<const bool> alive = request->Lifetime();
  NvVarFlagsScope flags(request->Request.Vars);
  flags.ExcludeAllBut(std::span<const int>(write.Step.Carries));
  request->Request.Active = 1;
  // A later step may address the row an earlier one creates: it waits for that answer.
  const bool taken = request->SetAndWait(true);
  if (!*alive) {
    flags.Abandon();
    return StepEnd::Gone;
  }
  if (taken) return StepEnd::Taken;
  return request->LastSetError().Code == NvErr::Timeout ? StepEnd::Unanswered : StepEnd::Refused;
}

}  // namespace

bool SendSetWrites(std::span<const NvSetWrite> writes, NvAfterRefusedSet afterRefused, NvSetOutcome* outcome) {
  NvSetOutcome local;
  NvSetOutcome& out = outcome ? *outcome : local;
  out = {};
  // Every step counts as unsent until its answer has come, so an exception leaves it there.
  for (size_t k = 0; k < writes.size(); ++k) out.Unsent.push_back(k);
  if (writes.empty()) return true;
  NvSNMPRequest2Controls* first = writes.front().Request;
  // Refused as a whole: one message, not one per step.
  if (first->WriteRefused()) return false;
  std::vector<std::unique_ptr<RequestHold>> holds;
  for (const NvSetWrite& write : writes) {
    const bool held = std::any_of(holds.begin(), holds.end(), [&](const auto& h) { return h->Request == write.Request; });
    if (held) continue;
    holds.push_back(std::make_unique<RequestHold>(write.Request));
  }
  // A silence of one step lasts for the others, even while their replies are waited for.
  NvDialogReads::Chain chain(first->Gate);
  bool gone = false;
  for (size_t k = 0; k < writes.size(); ++k) {
    // A switch that has just not answered: the step would hold the window again.
    if (const NvSNMPError* silence = first->Gate ? first->Gate->HeldRead() : nullptr) {
      if (out.Failure.empty()) out.Failure = silence->Message;
      break;
    }
    const StepEnd end = SendStep(writes[k]);
    if (end == StepEnd::Gone) {
      gone = true;
      break;
    }
    out.Unsent.erase(out.Unsent.begin());
    if (end == StepEnd::Taken) continue;
    if (out.Failure.empty()) out.Failure = writes[k].Request->LastSetError().Message;
    if (end == StepEnd::Unanswered) {
      out.Unknown.push_back(k);
      break;
    }
    out.Refused.push_back(k);
    if (afterRefused == NvAfterRefusedSet::Stop) break;
  }
  holds.clear();  // the reads asked for meanwhile start now (a hold outlives its request safely)
  if (gone) return false;
  if (!out.AllTaken() && !out.Held()) {
    // The success line of an earlier step must not stand for the whole write.
    first->MessageIndex = 1;
    first->ShowStatus(out.Failure);
    ShowSetOutcome(first, SetOutcomeText(writes, out));
  }
  return out.AllTaken();
}

namespace {

bool In(const std::vector<size_t>& steps, size_t k) { return std::find(steps.begin(), steps.end(), k) != steps.end(); }

// The labels of the variables the steps that pass carry, in step order and each once, but for
// those another step left on the switch (taken, or perhaps when unanswered), unless the
// steps' own words count; a step's Tells stands for its labels then.
template <class Pass>
std::string LabelsOf(std::span<const NvSetWrite> writes, const NvSetOutcome& outcome, Pass pass, bool useTells) {
  // What a taken or unanswered step carried the switch holds, or may hold.
  std::vector<std::pair<const NvSNMPRequest2Controls*, int>> held;
  if (!useTells)
    for (size_t k = 0; k < writes.size(); ++k)
      if (outcome.Taken(k) || (!pass(k) && In(outcome.Unknown, k)))
        for (int var : writes[k].Step.Carries) held.emplace_back(writes[k].Request, var);
  std::vector<std::string> names;
  auto add = [&names](const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  };
  for (size_t k = 0; k < writes.size(); ++k) {
    if (!pass(k)) continue;
    const NvSetWrite& write = writes[k];
    if (useTells && write.Step.Tells) {
      add(write.Step.Tells);
      continue;
    }
    const NvSNMPVarList& vars = write.Request->Request.Vars;
    for (int var : write.Step.Carries) {
      if (var < 0 || var >= vars.GetCount() || !vars.GetVar(var)->Label) continue;
      if (std::find(held.begin(), held.end(), std::make_pair(static_cast<const NvSNMPRequest2Controls*>(write.Request), var)) ==
          held.end())
        add(vars.GetVar(var)->Label);
    }
  }
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

}  // namespace

std::string ChangesNotMade(std::span<const NvSetWrite> writes, const NvSetOutcome& outcome) {
  return LabelsOf(writes, outcome, [&](size_t k) { return In(outcome.Refused, k) || In(outcome.Unsent, k); }, false);
}

std::string ChangesNotKnown(std::span<const NvSetWrite> writes, const NvSetOutcome& outcome) {
  return LabelsOf(writes, outcome, [&](size_t k) { return In(outcome.Unknown, k); }, false);
}

std::string ChangesMade(std::span<const NvSetWrite> writes, const NvSetOutcome& outcome) {
  return LabelsOf(writes, outcome, [&](size_t k) { return outcome.Taken(k); }, true);
}

std::string SetOutcomeText(std::span<const NvSetWrite> writes, const NvSetOutcome& outcome) {
  std::string text = outcome.Failure;
  if (writes.size() <= 1) return text;
  auto part = [&text](const char* head, const std::string& labels) {
    if (labels.empty()) return;
    if (!text.empty()) text += "\n";
    text += head + labels + ".";
  };
  part("These changes were made: ", ChangesMade(writes, outcome));
  part("These changes were not made: ", ChangesNotMade(writes, outcome));
  part("It is not known whether these changes were made: ", ChangesNotKnown(writes, outcome));
  return text;
}

void ShowSetOutcome(NvSNMPRequest2Controls* request, const std::string& text) {
  MessageBoxA(request->Owner, text, Application ? Application->Title() : std::string(), MB_OK);
}
