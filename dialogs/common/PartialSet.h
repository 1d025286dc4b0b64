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
  // What the step makes in the user's words, where its labels would not say it; null: the
  // labels of what it carries.
  const char* Tells = nullptr;
};

// What a refused step of a sequence means for the steps after it. A step the switch never
// answered ends the sequence whatever this says: the next would hold the window again.
enum class NvAfterRefusedSet {
  Stop,  // they depend on it (a row the step creates)
  GoOn,  // they stand on their own: each is sent all the same
};

// What became of the steps of a sequence, by their place in it.
struct NvSetOutcome {
  std::vector<size_t> Refused;  // the switch answered with an error
  std::vector<size_t> Unknown;  // sent and never answered: the switch may hold it or not
  std::vector<size_t> Unsent;   // a refusal, a silence or an exception ended the sequence before them
  std::string Failure;          // the first refusal's or silence's message; empty when none
  bool Taken(size_t step) const;
  bool AllTaken() const { return Refused.empty() && Unsent.empty() && Unknown.empty(); }
  // Nothing was sent: a silence earlier in the handler held the first step (already told).
  bool Held() const;
};

// One SET of a write that may go through several requests: the request and what it carries.
struct NvSetWrite {
  NvSNMPRequest2Controls* Request;
  NvSetStep Step;
};

// Sends the steps in order, each through its request's Set(false, true) with the values
// collected from the controls, the next one only once the switch has answered the one before
// (an asynchronous request included). A refused step, unless told to go on, and an unanswered
// one end the sequence, and so does a silence earlier in the same handler before the first.
// Each request is made active before its SET, so a walk stopped earlier does not swallow the
// writes; its reads wait and its access words are given back afterwards, also when a SET
// throws (the exception ends the sequence and goes on to the caller). The steps' own boxes are
// held back: a sequence that was not taken whole is told in one box (SetOutcomeText), none
// when a silence already told held its first step. Returns whether every step was taken;
// outcome, when given, tells which were not.
bool SendSetWrites(std::span<const NvSetWrite> writes, NvAfterRefusedSet afterRefused = NvAfterRefusedSet::Stop,
                   NvSetOutcome* outcome = nullptr);
// The same over one request.
bool SendSetSequence(NvSNMPRequest2Controls* request, std::span<const NvSetStep> steps,
                     NvAfterRefusedSet afterRefused = NvAfterRefusedSet::Stop, NvSetOutcome* outcome = nullptr);
std::vector<NvSetWrite> WritesOf(NvSNMPRequest2Controls* request, std::span<const NvSetStep> steps);

// The labels of the variables that the refused and unsent steps carried and no taken step did,
// in step order and each once, joined by ", ": the changes the switch does not hold.
std::string ChangesNotMade(std::span<const NvSetWrite> writes, const NvSetOutcome& outcome);
// The same for the steps sent and never answered: the switch may hold them or not.
std::string ChangesNotKnown(std::span<const NvSetWrite> writes, const NvSetOutcome& outcome);
// The same for the steps taken (a step's Tells in place of its labels).
std::string ChangesMade(std::span<const NvSetWrite> writes, const NvSetOutcome& outcome);

// The one message of a sequence not taken whole: the failure, then what was made, what was
// not and what is not known, each part only when it names something. A single step is told
// by its failure alone.
std::string SetOutcomeText(std::span<const NvSetWrite> writes, const NvSetOutcome& outcome);
// A message box over the request's window, titled with the application title, as the request
// tells a refused SET.
void ShowSetOutcome(NvSNMPRequest2Controls* request, const std::string& text);
