// switchsim: a simulated managed switch answering SNMP v1/v2c/v3 on 127.0.0.1.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "Agent.h"
#include "Control.h"

#ifndef SWITCHSIM_SEED_DIR
#define SWITCHSIM_SEED_DIR "sim/seed"
#endif

namespace {

volatile std::sig_atomic_t stopRequested = 0;
int wakePipe[2] = {-1, -1};

void onStopSignal(int) {
  stopRequested = 1;
  if (wakePipe[1] >= 0) {
    char c = 0;
    [[maybe_unused]] ssize_t n = write(wakePipe[1], &c, 1);
  }
}

const char usage[] =
    "usage: switchsim [options]\n"
    "       switchsim control SOCKET COMMAND...\n"
    "  --port N            UDP port on 127.0.0.1 (default 0: a free port)\n"
    "  --seed-dir DIR      load every *.snmprec and *.tables in DIR (default " SWITCHSIM_SEED_DIR ")\n"
    "  --no-default-seed   do not load the default seed folder\n"
    "  --seed FILE         load one more seed file (repeatable; later files win)\n"
    "  --users FILE        communities and v3 users (rocommunity/rwcommunity/createUser/rouser/rwuser)\n"
    "  --set-log FILE      append every SET PDU to FILE\n"
    "  --control PATH      Unix socket taking fault commands while running\n"
    "  --delay MS          delay every reply by MS milliseconds\n"
    "  --drop              answer nothing\n"
    "  --engine-id HEX     the SNMPv3 engine ID (5 to 32 bytes; default: a fresh one at each start)\n"
    "Prints \"LISTENING <port>\" once it answers; stops on SIGTERM or SIGINT.\n";

struct Options {
  int port = 0;
  std::vector<std::string> seedDirs;
  bool defaultSeed = true;
  std::vector<std::string> seeds;
  std::string users, setLog, control;
  std::string engineId;  // bytes
  sim::Faults faults;
};

Options parseArgs(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::runtime_error("missing value after " + a);
      return argv[++i];
    };
    if (a == "--port") o.port = std::stoi(value());
    else if (a == "--seed-dir") o.seedDirs.push_back(value());
    else if (a == "--no-default-seed") o.defaultSeed = false;
    else if (a == "--seed") o.seeds.push_back(value());
    else if (a == "--users") o.users = value();
    else if (a == "--set-log") o.setLog = value();
    else if (a == "--control") o.control = value();
    else if (a == "--delay") o.faults.delayMs = std::stoi(value());
    else if (a == "--drop") o.faults.dropReplies = true;
    else if (a == "--engine-id") o.engineId = sim::parseValue("4x", value()).bytes;
    else if (a == "--help" || a == "-h") {
      std::cout << usage;
      std::exit(0);
    } else {
      throw std::runtime_error("unknown option " + a);
    }
  }
  if (o.port < 0 || o.port > 65535) throw std::runtime_error("bad port");
  if (!o.engineId.empty() && (o.engineId.size() < 5 || o.engineId.size() > 32))
    throw std::runtime_error("an engine ID has 5 to 32 bytes");
  if (o.seedDirs.empty() && o.defaultSeed) o.seedDirs.push_back(SWITCHSIM_SEED_DIR);
  return o;
}

// Control commands: delay MS | drop on|off | error OID STATUS (0 clears) | refuse-set N STATUS | clear |
// clear-log | ping
std::string execute(const std::string& line, sim::Faults& faults, sim::Agent& agent) {
  std::istringstream in(line);
  std::string cmd, arg1, arg2;
  in >> cmd >> arg1 >> arg2;
  try {
    if (cmd == "ping") return "";
    if (cmd == "delay") {
      int ms = std::stoi(arg1);
      if (ms < 0) return "negative delay";
      faults.delayMs = ms;
      return "";
    }
    if (cmd == "drop") {
      if (arg1 != "on" && arg1 != "off") return "drop takes on or off";
      faults.dropReplies = arg1 == "on";
      return "";
    }
    if (cmd == "error") {
      sim::Oid prefix = sim::parseOid(arg1);
      int status = std::stoi(arg2);
      if (status < 0 || status > 18) return "error-status out of range";
      if (status == 0)
        faults.subtreeErrors.erase(prefix);
      else
        faults.subtreeErrors[prefix] = status;
      return "";
    }
    if (cmd == "refuse-set") {
      const int at = std::stoi(arg1), status = std::stoi(arg2);
      if (at < 0 || status < 1 || status > 18) return "refuse-set takes a count and an error-status";
      faults.refuseSetAt = at;
      faults.refuseSetStatus = status;
      faults.setsSeen = 0;
      return "";
    }
    if (cmd == "clear") {
      faults = sim::Faults{};
      return "";
    }
    if (cmd == "clear-log") {
      agent.clearSetLog();
      return "";
    }
  } catch (const std::exception& e) {
    return std::string("bad argument: ") + e.what();
  }
  return "unknown command '" + cmd + "'";
}

int controlClient(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << usage;
    return 2;
  }
  std::string command;
  for (int i = 3; i < argc; ++i) command += (i > 3 ? " " : "") + std::string(argv[i]);
  std::string reply = sim::sendControlCommand(argv[2], command);
  std::cout << reply << '\n';
  return reply == "ok" ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string stateDir;
  try {
    if (argc > 1 && std::string(argv[1]) == "control") return controlClient(argc, argv);
    Options opt = parseArgs(argc, argv);

    sim::MibStore store;
    for (const auto& dir : opt.seedDirs) store.loadSeedFolder(dir);
    for (const auto& file : opt.seeds) store.loadSeedFile(file);
    sim::Access access = opt.users.empty() ? sim::Access::defaults() : sim::Access::fromFile(opt.users);

    if (pipe(wakePipe) != 0) throw std::runtime_error("pipe failed");
    struct sigaction sa {};
    sa.sa_handler = onStopSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);

    char templ[] = "/tmp/switchsim.XXXXXX";
    if (!mkdtemp(templ)) throw std::runtime_error("cannot create a state folder in /tmp");
    stateDir = templ;

    sim::Agent agent(store, std::move(access), opt.faults);
    if (!opt.setLog.empty()) {
      agent.setSetLog(opt.setLog);
      agent.clearSetLog();
    }
    uint16_t port = agent.start(stateDir, static_cast<uint16_t>(opt.port), opt.engineId);

    std::unique_ptr<sim::ControlServer> control;
    if (!opt.control.empty())
      control = std::make_unique<sim::ControlServer>(
          opt.control, [&](const std::string& line) { return execute(line, opt.faults, agent); });

    std::printf("LISTENING %u\n", port);
    std::fflush(stdout);

    agent.run(
        stopRequested, wakePipe[0], [&](fd_set& fds) { return control ? control->addFds(fds) : -1; },
        [&](const fd_set& fds) {
          if (control) control->onReady(fds);
        });
    control.reset();
    agent.shutdown();
    std::filesystem::remove_all(stateDir);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "switchsim: " << e.what() << '\n';
    if (!stateDir.empty()) std::filesystem::remove_all(stateDir);
    return 1;
  }
}
