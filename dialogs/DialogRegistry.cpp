#include "DialogRegistry.h"

#include "CommandRunner.h"
#include "Vlanstaticformunit.h"

void NvRegisterFeatureDialogs() {
  NvRegisterDialogClass<TVlanStaticForm>("TVlanStaticForm", "VlanStaticForm", VlanStaticForm);
}

namespace {
// Linked into the program as an object file, so this runs before main builds any window.
const bool registered = (NvRegisterFeatureDialogs(), true);
}  // namespace
