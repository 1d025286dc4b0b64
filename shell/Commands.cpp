#include "Commands.h"

const std::vector<const NvMenuCommand*>& NvMenuCommands() {
  static const std::vector<const NvMenuCommand*> all = [] {
    std::vector<const NvMenuCommand*> commands;
    for (auto menu : {NvBasicConfigurationCommands, NvRmonBridgeVlanCommands, NvSnmpV3Commands,
                      NvSecurityCommands, NvLayer2Commands, NvLayer3SingleIpCommands})
      for (const NvMenuCommand& command : menu()) commands.push_back(&command);
    return commands;
  }();
  return all;
}

const NvMenuCommand* NvFindMenuCommand(std::string_view item) {
  for (const NvMenuCommand* command : NvMenuCommands())
    if (item == command->Item) return command;
  return nullptr;
}
