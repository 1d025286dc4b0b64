// The process-wide session settings that every request copies when it is made, the one SNMP
// session of the process, and the 20 ms event pump through which asynchronous replies
// reach their handlers on the GUI thread.
//
//   NvSNMPInitSession("");            // once, at start-up: session, boot counter, defaults
//   NvSNMPDevice::Address = "10.90.90.90";
//   NvSNMPSecurity::Version = 1;      // SNMPv2c from now on, for requests made after this
#pragma once

#include <cstdint>
#include <string>

class Snmp;
class TTimer;
class UdpAddress;
class TObject;

namespace NvSNMPDevice {
extern std::string Address;           // IPv4 or IPv6 address, or host name
extern uint16_t Port;
}  // namespace NvSNMPDevice

namespace NvSNMPScope {               // SNMPv3 context, sent in every PDU
extern std::string ContextEngineID;
extern std::string ContextName;
}  // namespace NvSNMPScope

namespace NvSNMPSecurity {
extern uint8_t Version;               // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
extern std::string ReadCommunity;
extern std::string WriteCommunity;
extern int32_t SecurityModel;         // 1 SNMPv1, 2 SNMPv2c, 3 user-based
extern int32_t SecurityLevel;         // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
extern std::string SecurityName;
extern std::string AuthPassword;
extern std::string PrivPassword;
extern int32_t AuthProtocol;          // 1 none, 2 HMAC-MD5, 3 HMAC-SHA
extern int32_t PrivProtocol;          // 1 none, 2 DES
}  // namespace NvSNMPSecurity

// Time-out of a new request in hundredths of a second.
extern int32_t NvSNMPDefaultTimeout;

// The one session of the process; null until NvSNMPInitSession, never replaced after a
// successful start and never freed.
extern Snmp* NvSNMPGlobalSession;

// The address of a device named by host or address, looked up once per session on a thread of
// its own: NvSNMPLookUpAddress starts it (at start-up, as soon as the device is known), and
// NvSNMPResolveAddress waits, at most once, for the rest of that first look-up. A time-out
// never has the name looked up again; a look-up that found nothing is asked again in the
// background, and until that one has answered requests find the address invalid at once.
void NvSNMPLookUpAddress(const std::string& hostOrAddress);
UdpAddress NvSNMPResolveAddress(const std::string& hostOrAddress);
// Whether a request to it would be sent without waiting for the name server: an address, or
// a name whose look-up has answered (starting the look-up otherwise).
bool NvSNMPAddressKnown(const std::string& hostOrAddress);

// Names of the SNMPv3 boot-counter store.
extern const char* const NvSNMPBootCounterFile;   // "NvSNMP_PP_BootCounter"
extern const char* const NvSNMPLocalEngineID;     // "NvSNMP_PP_Application"

// Creates the session, advances the boot counter kept in directory (empty: the working
// directory), starts the SNMPv3 engine with it, sets every setting to its default and
// enables the pump. Throws Exception -506, -507 or -508.
void NvSNMPInitSession(const std::string& directory);

// Sets every setting above to its start-up default: 127.0.0.1:161, SNMPv1 with the program's
// communities, no SNMPv3 user, a time-out of one second.
void NvSNMPSetDefaultSettings();

// name when directory is empty, else directory and name joined by one "/". A "\" in either
// text stands for the separator.
std::string NvJoinPath(const std::string& directory, const std::string& name);

// Every 20 ms while enabled: handles the session's pending events (replies, retries,
// time-outs) without blocking, never inside itself.
class _SnmpEventProcessor {
 public:
  _SnmpEventProcessor();
  ~_SnmpEventProcessor();
  _SnmpEventProcessor(const _SnmpEventProcessor&) = delete;
  _SnmpEventProcessor& operator=(const _SnmpEventProcessor&) = delete;

  void Enable();
  void Disable();
  void OnTimer(TObject* Sender);

  TTimer* Timer = nullptr;
};

// The pump of the process.
_SnmpEventProcessor& NvSNMPEventProcessor();
