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

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
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
  // The list has gone with its request: nothing is given back.
  void Abandon();

 private:
  bool MayLeaveOut(int index) const;

  NvSNMPVarList& vars_;
  std::vector<int> saved_;
};

// One SET of a sequence: the writable variables it carries; every other one is left out.
struct NvSetStep {
  std::vector<int> Carries;
};

// What a refused step of a sequence means for the steps after it.
enum class NvAfterRefusedSet {
  Stop,  // they depend on it (a row the step creates)
  GoOn,  // they stand on their own: each is sent all the same
};

// What became of the steps of a sequence, by their place in it.
struct NvSetOutcome {
  std::vector<size_t> Refused;  // the switch answered with an error
  std::vector<size_t> Unsent;   // a refusal or an exception ended the sequence before them
  bool Taken(size_t step) const;
  bool AllTaken() const { return Refused.empty() && Unsent.empty(); }
};

// Sends the steps in order through request->Set(false, true), each with the values collected
// from the controls, the next one only once the switch has answered the one before (an
// asynchronous request included). A refused step is reported by the request and, unless
// told to go on, ends the sequence. The request is made active before each SET, so a walk
// stopped earlier does not swallow the writes. The access words are given back afterwards,
// also when a SET throws (the exception ends the sequence and goes on to the caller).
// Returns whether every step was taken; outcome, when given, tells which were not.
bool SendSetSequence(NvSNMPRequest2Controls* request, std::span<const NvSetStep> steps,
                     NvAfterRefusedSet afterRefused = NvAfterRefusedSet::Stop, NvSetOutcome* outcome = nullptr);

// The labels of the variables that the refused and unsent steps carried, in step order and
// each once, joined by ", ": the changes the switch does not hold.
std::string ChangesNotMade(const NvSNMPVarList& vars, std::span<const NvSetStep> steps, const NvSetOutcome& outcome);
