#include "NvSNMPSession.h"

#include <algorithm>
#include <map>

#include "ExtCtrls.h"
#include "NvSNMPError.h"
#include "NvSNMPRequest.h"
#include "ScopeExit.h"
#include "Snmp.h"
#include "SocketWatch.h"

namespace NvSNMPDevice {
std::string Address;
uint16_t Port = 0;
}  // namespace NvSNMPDevice

namespace NvSNMPScope {
std::string ContextEngineID;
std::string ContextName;
}  // namespace NvSNMPScope

namespace NvSNMPSecurity {
uint8_t Version = 0;
std::string ReadCommunity;
std::string WriteCommunity;
int32_t SecurityModel = 0;
int32_t SecurityLevel = 0;
std::string SecurityName;
std::string AuthPassword;
std::string PrivPassword;
int32_t AuthProtocol = 0;
int32_t PrivProtocol = 0;
}  // namespace NvSNMPSecurity

int32_t NvSNMPDefaultTimeout = 0;
Snmp* NvSNMPGlobalSession = nullptr;

const char* const NvSNMPBootCounterFile = "NvSNMP_PP_BootCounter";
const char* const NvSNMPLocalEngineID = "NvSNMP_PP_Application";

namespace {

bool sessionOpened = false;  // NvSNMPGlobalSession opened its socket

// Replies are handled as soon as a session's socket is readable; the timer still drives
// retries and time-outs. Made when the pump is first enabled, never freed.
TSocketWatch* replyWatch = nullptr;

void WatchSockets(void*) {
  if (replyWatch && NvSNMPGlobalSession) replyWatch->SetSockets(NvSNMPGlobalSession->sockets());
}

void SetWatchEnabled(bool enabled) {
  if (replyWatch) replyWatch->SetEnabled(enabled);
}

}  // namespace

void NvSNMPInitSession(const std::string& directory) {
  // A session that opened its socket stays the one session; a failed one is replaced.
  if (!sessionOpened) {
    delete NvSNMPGlobalSession;
    int status = 0;
    NvSNMPGlobalSession = new Snmp(status, 0);
    if (status != 0) NvThrowError(NvErr::SessionCreate);
    sessionOpened = true;
    NvSNMPGlobalSession->set_sockets_changed(&WatchSockets, nullptr);
  }

  const std::string file = NvJoinPath(directory, NvSNMPBootCounterFile);
  const OctetStr engineId(NvSNMPLocalEngineID);
  unsigned int boot = 0;
  // A counter that cannot be read stays as it is: replacing it would lose its counts.
  switch (advanceBootCounter(file.c_str(), engineId, boot)) {
    case 0: break;
    case -3: NvThrowError(NvErr::BootCounterLoad, NvErrorText(NvErr::BootCounterLoad) + " \"" + file +
                                                      "\" holds a line that is not \"<engine ID> <count>\".");
    case -6: NvThrowError(NvErr::BootCounterLoad, NvErrorText(NvErr::BootCounterLoad) + " \"" + file +
                                                      "\" is no regular file, is larger than 1 MiB or cannot be read.");
    case -7: NvThrowError(NvErr::BootCounterSave, NvErrorText(NvErr::BootCounterSave) + " \"" + file +
                                                      ".lock\" cannot be created or locked.");
    case -8: NvThrowError(NvErr::BootCounterSave, NvErrorText(NvErr::BootCounterSave) + " \"" + file +
                                                      ".lock\" is held by another process; gave up after 5 "
                                                      "seconds.");
    case -5: NvThrowError(NvErr::BootCounterSave, NvErrorText(NvErr::BootCounterSave) + " \"" + file +
                                                      "\" cannot be written.");
    default: NvThrowError(NvErr::BootCounterLoad);
  }

  mpInit(NvSNMPGlobalSession, engineId, boot);
  NvSNMPSetDefaultSettings();
  NvSNMPEventProcessor().Enable();
}

namespace {

// A look-up per host name, kept for the session. One that failed is asked again in the
// background; only a name's first look-up is ever waited for.
struct DeviceLookup {
  AddressLookup lookup;
  bool waitedFor;
};

std::map<std::string, DeviceLookup>& DeviceLookups() {
  static std::map<std::string, DeviceLookup> lookups;
  return lookups;
}

}  // namespace

void NvSNMPLookUpAddress(const std::string& hostOrAddress) {
  if (!DeviceLookups().count(hostOrAddress))
    DeviceLookups().emplace(hostOrAddress, DeviceLookup{AddressLookup(hostOrAddress), true});
}

UdpAddress NvSNMPResolveAddress(const std::string& hostOrAddress) {
  NvSNMPLookUpAddress(hostOrAddress);
  DeviceLookup& entry = DeviceLookups().at(hostOrAddress);
  if (!entry.waitedFor && !entry.lookup.done()) return UdpAddress();
  const UdpAddress address = entry.lookup.address();
  if (!address.valid()) entry = DeviceLookup{AddressLookup(hostOrAddress), false};
  return address;
}

bool NvSNMPAddressKnown(const std::string& hostOrAddress) {
  NvSNMPLookUpAddress(hostOrAddress);
  return DeviceLookups().at(hostOrAddress).lookup.done();
}

void NvSNMPSetDefaultSettings() {
  NvSNMPDevice::Address = "127.0.0.1";
  NvSNMPDevice::Port = 161;
  NvSNMPScope::ContextEngineID.clear();
  NvSNMPScope::ContextName.clear();
  NvSNMPSecurity::Version = 0;
  NvSNMPSecurity::ReadCommunity = "quorra";
  NvSNMPSecurity::WriteCommunity = "venthal";
  NvSNMPSecurity::SecurityModel = 1;
  NvSNMPSecurity::SecurityLevel = 1;
  NvSNMPSecurity::SecurityName.clear();
  NvSNMPSecurity::AuthPassword.clear();
  NvSNMPSecurity::PrivPassword.clear();
  NvSNMPSecurity::AuthProtocol = 1;
  NvSNMPSecurity::PrivProtocol = 1;
  NvSNMPDefaultTimeout = 100;
}

std::string NvJoinPath(const std::string& directory, const std::string& name) {
  std::string path = directory;
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  path += name;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// ---- The event pump -----------------------------------------------------------------------

_SnmpEventProcessor::_SnmpEventProcessor() {
  Timer = new TTimer(nullptr);
  Timer->Enabled = false;
  Timer->Interval = 20;
  Timer->OnTimer = [this](TObject* sender) { OnTimer(sender); };
}

_SnmpEventProcessor::~_SnmpEventProcessor() {
  Disable();
  delete Timer;
}

void _SnmpEventProcessor::Enable() {
  if (!replyWatch) {
    replyWatch = new TSocketWatch([this] { OnTimer(nullptr); });
    WatchSockets(nullptr);
  }
  Timer->Enabled = true;
  SetWatchEnabled(true);
}

void _SnmpEventProcessor::Disable() {
  Timer->Enabled = false;
  SetWatchEnabled(false);
}

// The timer is off while the library runs, so a reply handler that opens a modal window
// never starts a second delivery. It comes back on even when a handler throws: one bad
// reply must not stop all later traffic. The exception goes on to the window layer's
// event guard, which shows it.
void _SnmpEventProcessor::OnTimer(TObject* /*Sender*/) {
  ScopeExit reenable([this] {
    Timer->Enabled = true;
    SetWatchEnabled(true);
  });
  Timer->Enabled = false;
  SetWatchEnabled(false);
  if (NvSNMPGlobalSession) SNMPProcessPendingEvents();
  // A completion's exception was kept out of the library; it goes on from here.
  if (std::exception_ptr e = NvSNMPTakeDeferredException()) std::rethrow_exception(e);
}

_SnmpEventProcessor& NvSNMPEventProcessor() {
  static _SnmpEventProcessor processor;
  return processor;
}
