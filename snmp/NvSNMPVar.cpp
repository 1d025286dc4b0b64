#include "NvSNMPVar.h"
