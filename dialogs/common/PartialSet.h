// Writing only some variables of a row: access words set to 32 ("left out") around a SET and
// given back on every path, and an ordered sequence of such SETs.
//
//   {
//     NvVarFlagsScope flags(Table->Request.Vars);      // SaveVarFlags
//     flags.ExcludeVar(3);                              // ExcludeVar
//     Table->Set(false, true);
//   }                                                   // RestoreVarFlags, exceptions included
//
//   static const NvSetStep Steps[] = {{{2}}, {{3}}, {{4}}, {{5}}, {{1}}};
//   SendSetSequence(Table, Steps);                      // one SET per step, in order
#pragma once

#include <initializer_list>
#include <span>
#include <vector>

class NvSNMPRequest2Controls;
class NvSNMPVarList;

// SaveVarFlags on construction: every variable's access word; RestoreVarFlags writes them all
// back, at the latest when the scope goes. Index columns and read-only variables are never
// left out.
class NvVarFlagsScope {
 public:
  explicit NvVarFlagsScope(NvSNMPVarList& vars);
  ~NvVarFlagsScope();
  NvVarFlagsScope(const NvVarFlagsScope&) = delete;
  NvVarFlagsScope& operator=(const NvVarFlagsScope&) = delete;

  // The variable's word becomes 32: the next request neither reads nor writes it.
  void ExcludeVar(int index);
  // Its saved word again.
  void IncludeVar(int index);
  // Every writable variable but these is left out; these get their saved words.
  void ExcludeAllBut(std::initializer_list<int> kept);
  void ExcludeAllBut(std::span<const int> kept);
  // The saved words back now; the scope stays usable.
  void RestoreVarFlags();

 private:
  bool MayLeaveOut(int index) const;

  NvSNMPVarList& vars_;
  std::vector<int> saved_;
};

// One SET of a sequence: the writable variables it carries; every other one is left out.
struct NvSetStep {
  std::vector<int> Carries;
};

// What a sequence does when a SET's reply reports an error. Only a blocking request learns it
// before the next SET; an asynchronous one has every SET in flight together, each failure
// being reported by the request.
enum class NvAfterFailedSet {
  GoOn,  // the next SET is sent all the same
  Stop,  // the sequence ends; the rest is not sent
};

// Sends the steps in order through request->Set(false, true), each with the values collected
// from the controls. The request is made active before each SET, so a walk stopped earlier
// does not swallow the writes. The access words are given back afterwards, also when a SET
// throws (the exception goes on to the caller). Returns false when a blocking SET failed.
bool SendSetSequence(NvSNMPRequest2Controls* request, std::span<const NvSetStep> steps,
                     NvAfterFailedSet afterFailure = NvAfterFailedSet::GoOn);
