#include "ViewerLaunch.h"

#include <exception>

#include "Dialogs.h"
#include "WinExec.h"

std::string NvMakeViewerCommand(const TSessionTexts& texts, const std::string& topic) {
  const size_t underscore = topic.find('_');
  std::string tool = topic.size() > 2 ? topic.substr(2, underscore == std::string::npos ? std::string::npos
                                                                                          : underscore - 2)
                                      : std::string();
  std::string line = tool + " /I" + DeviceAddress;
  if (texts.VersionText == "3") {
    line += " /t" + texts.AgentPortText + " /v" + texts.VersionText + " /d" + texts.ContextEngineIDText + " /m" +
            texts.SecurityModelText + " /n" + texts.SecurityNameText + " /l" + texts.SecurityLevelText + " /a" +
            texts.AuthProtocolText + " /p" + texts.PrivProtocolText + " /A" + texts.AuthPasswordText + " /P" +
            texts.PrivPasswordText + " /c" + texts.ContextNameText;
  } else {
    line += " /R" + texts.ReadCommunityText + " /W" + texts.WriteCommunityText;
  }
  return line + " " + topic;
}

bool NvRunViewer(const TSessionTexts& texts, const std::string& topic, const std::string& extra) {
  const std::string line = NvMakeViewerCommand(texts, topic) + " " + extra;
  unsigned result = ERROR_FILE_NOT_FOUND;
  try {
    result = WinExec(line, SW_SHOW);
  } catch (const std::exception&) {
    result = ERROR_BAD_FORMAT;
  }
  if (result > 31) return true;
  // The viewers belong to the suite and may be missing: say so rather than do nothing.
  const size_t blank = line.find(' ');
  ShowMessage("The MIB viewer \"" + line.substr(0, blank) + "\" could not be started.");
  return false;
}
