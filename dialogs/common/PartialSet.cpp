#include "PartialSet.h"

#include <algorithm>
#include <memory>

#include "NvSNMPRequest2Controls.h"
#include "NvSNMPVarList.h"

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
  return std::find(Refused.begin(), Refused.end(), step) == Refused.end() &&
         std::find(Unsent.begin(), Unsent.end(), step) == Unsent.end();
}

bool SendSetSequence(NvSNMPRequest2Controls* request, std::span<const NvSetStep> steps,
                     NvAfterRefusedSet afterRefused, NvSetOutcome* outcome) {
  NvSetOutcome local;
  NvSetOutcome& out = outcome ? *outcome : local;
  out = {};
  // Every step counts as unsent until its answer has come, so an exception leaves it there.
  for (size_t k = 0; k < steps.size(); ++k) out.Unsent.push_back(k);
  // Refused as a whole: one message, not one per step.
  if (request->WriteRefused()) return false;
  const std::shared_ptr<const bool> alive = request->Lifetime();
  // Declared before the left-out columns: no read runs until they are back.
  NvSNMPRequest2Controls::ReadsHeld held(request);
  NvVarFlagsScope flags(request->Request.Vars);
  for (size_t k = 0; k < steps.size(); ++k) {
    flags.ExcludeAllBut(std::span<const int>(steps[k].Carries));
    request->Request.Active = 1;
    // A later step may address the row an earlier one creates: it waits for that answer.
    const bool taken = request->SetAndWait(true);
    if (!*alive) {
      flags.Abandon();
      return false;
    }
    out.Unsent.erase(out.Unsent.begin());
    if (taken) continue;
    out.Refused.push_back(k);
    if (afterRefused == NvAfterRefusedSet::Stop) break;
  }
  return out.AllTaken();
}

std::string ChangesNotMade(const NvSNMPVarList& vars, std::span<const NvSetStep> steps, const NvSetOutcome& outcome) {
  std::vector<int> carried;
  for (size_t k = 0; k < steps.size(); ++k) {
    if (outcome.Taken(k)) continue;
    for (int var : steps[k].Carries)
      if (std::find(carried.begin(), carried.end(), var) == carried.end()) carried.push_back(var);
  }
  std::string text;
  for (int var : carried) {
    if (var < 0 || var >= vars.GetCount() || !vars.GetVar(var)->Label) continue;
    if (!text.empty()) text += ", ";
    text += vars.GetVar(var)->Label;
  }
  return text;
}
