// Value sets that many option lists of the catalogue carry. Each use still builds a list object
// of its own from these arrays, so a module never points at another module's lists.
#pragma once

#include "NvOptionList.h"

namespace ValueSet {

inline constexpr NvOptionPair Enabled1Disabled2[] = {{1, "enabled"}, {2, "disabled"}, {}};
inline constexpr NvOptionPair TruthValue[] = {{1, "true"}, {2, "false"}, {}};
inline constexpr NvOptionPair Disabled2Enabled3[] = {{2, "disabled"}, {3, "enabled"}, {}};
inline constexpr NvOptionPair RowStatus[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"},
    {6, "destroy"}, {}};
inline constexpr NvOptionPair RowStatusShort[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
inline constexpr NvOptionPair OtherStart[] = {{1, "other"}, {2, "start"}, {}};
inline constexpr NvOptionPair Enable1Disable2[] = {{1, "enable"}, {2, "disable"}, {}};
inline constexpr NvOptionPair Disabled1Enabled2[] = {{1, "disabled"}, {2, "enabled"}, {}};
inline constexpr NvOptionPair NoneStart[] = {{1, "none"}, {2, "start"}, {}};
inline constexpr NvOptionPair Disabled2Enabled1[] = {{2, "disabled"}, {1, "enabled"}, {}};
inline constexpr NvOptionPair LldpPortIdSubtype[] = {
    {1, "interfaceAlias"}, {2, "portComponent"}, {3, "macAddress"}, {4, "networkAddress"},
    {5, "interfaceName"}, {6, "agentCircuitId"}, {7, "local"}, {}};
inline constexpr NvOptionPair InactiveActive[] = {{1, "inactive"}, {2, "active"}, {}};
// The {8, no name} end pair is not an entry: 8 stays unnamed.
inline constexpr NvOptionPair GroupPriority[] = {
    {-1, "-"}, {0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"}, {6, "6"}, {7, "7"},
    {8, nullptr}};
inline constexpr NvOptionPair StorageType[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {}};
inline constexpr NvOptionPair SnmpSecurityLevel[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {}};

}  // namespace ValueSet
