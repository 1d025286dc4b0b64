// The program error code a call fails with (an Exception's HelpContext), 0 when it does not.
#pragma once

#include <functional>

#include "NvSNMPError.h"

inline int CodeOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Exception& e) {
    return e.HelpContext;
  }
  return 0;
}
