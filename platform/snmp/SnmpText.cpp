#include "Snmp.h"
