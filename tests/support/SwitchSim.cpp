#include "SwitchSim.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

// Generous: only a hang should reach it, also in a loaded sanitizer run.
constexpr int startTimeoutMs = 60000;
constexpr int stopTimeoutMs = 5000;

std::string controlPath(const std::string& workDir) { return workDir + "/control.sock"; }
std::string setLogPath(const std::string& workDir) { return workDir + "/set.log"; }
std::string errorLogPath(const std::string& workDir) { return workDir + "/stderr.log"; }

std::string fileText(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One command over the agent's control socket; throws unless it answers "ok".
void control(const std::string& workDir, const std::string& command) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::string path = controlPath(workDir);
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("SwitchSim: socket failed");
  timeval tv{5, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
  if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    throw std::runtime_error("SwitchSim: cannot reach the control socket " + path);
  }
  std::string line = command + "\n";
  bool sent = write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
  std::string reply;
  char c;
  while (sent && read(fd, &c, 1) == 1 && c != '\n') reply.push_back(c);
  close(fd);
  if (reply != "ok") throw std::runtime_error("SwitchSim: '" + command + "' answered '" + reply + "'");
}

}  // namespace

SwitchSim::SwitchSim() : SwitchSim(Options{}) {}

SwitchSim::SwitchSim(const Options& options) : options_(options) {
  char templ[] = "/tmp/switchsim-test.XXXXXX";
  if (!mkdtemp(templ)) throw std::runtime_error("SwitchSim: cannot create a work folder");
  workDir_ = templ;
  launch(0);
}

void SwitchSim::restart(const std::string& engineId) {
  stop();
  if (!engineId.empty()) options_.engineId = engineId;
  launch(port_);
}

void SwitchSim::launch(uint16_t atPort) {
  const Options& options = options_;
  std::vector<std::string> args = {SWITCHSIM_PATH, "--port", std::to_string(atPort), "--set-log", setLogPath(workDir_),
                                   "--control", controlPath(workDir_)};
  if (options.defaultSeed)
    args.insert(args.end(), {"--seed-dir", SWITCHSIM_SEED_DIR});
  else
    args.push_back("--no-default-seed");
  for (const auto& seed : options.extraSeeds) args.insert(args.end(), {"--seed", seed});
  if (!options.usersFile.empty()) args.insert(args.end(), {"--users", options.usersFile});
  if (options.delayMs > 0) args.insert(args.end(), {"--delay", std::to_string(options.delayMs)});
  if (options.dropReplies) args.push_back("--drop");
  if (!options.engineId.empty()) args.insert(args.end(), {"--engine-id", options.engineId});
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("SwitchSim: pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  const std::string errorLog = errorLogPath(workDir_);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = -1;
  int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (rc != 0) {
    close(out[0]);
    std::filesystem::remove_all(workDir_);
    throw std::runtime_error(std::string("SwitchSim: cannot start ") + SWITCHSIM_PATH + ": " + std::strerror(rc));
  }
  pid_ = pid;

  // Wait, bounded, for the first line: "LISTENING <port>".
  std::string line;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(startTimeoutMs);
  while (line.find('\n') == std::string::npos) {
    int left = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count());
    pollfd p{out[0], POLLIN, 0};
    if (left <= 0 || poll(&p, 1, left) <= 0) break;
    char buf[256];
    ssize_t n = read(out[0], buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    line.append(buf, n);
  }
  close(out[0]);
  unsigned port = 0;
  if (std::sscanf(line.c_str(), "LISTENING %u", &port) != 1 || port == 0 || port > 65535) {
    // Closed output means the agent is ending: let it, and tell how.
    const std::string exit = stop(stopTimeoutMs);
    const std::string errors = fileText(errorLog);
    removeWorkDir();
    throw std::runtime_error("SwitchSim: switchsim did not start (" + exit + ", output: '" + line + "', errors: '" +
                             errors + "')");
  }
  port_ = static_cast<uint16_t>(port);
}

SwitchSim::~SwitchSim() {
  stop();
  // What the agent said on stderr (warnings, SWITCHSIM_DEBUG output) is passed on.
  if (!workDir_.empty()) std::cerr << fileText(errorLogPath(workDir_));
  removeWorkDir();
}

std::string SwitchSim::stop(int graceMs) {
  if (pid_ <= 0) return "not running";
  int status = 0;
  pid_t ended = 0;
  bool signalled = false;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMs);
  while ((ended = waitpid(pid_, &status, WNOHANG)) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      if (signalled) {
        kill(pid_, SIGKILL);
        ended = waitpid(pid_, &status, 0);
        break;
      }
      kill(pid_, SIGTERM);
      signalled = true;
      deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(stopTimeoutMs);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  pid_ = -1;
  if (signalled) return "stopped";
  if (ended > 0 && WIFEXITED(status)) return "exited with status " + std::to_string(WEXITSTATUS(status));
  if (ended > 0 && WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
  return "ended";
}

void SwitchSim::removeWorkDir() {
  if (!workDir_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(workDir_, ec);
    workDir_.clear();
  }
}

std::vector<std::string> SwitchSim::setLog() const {
  std::vector<std::string> lines;
  std::ifstream in(setLogPath(workDir_));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

void SwitchSim::clearSetLog() { control(workDir_, "clear-log"); }
void SwitchSim::setDelay(int ms) { control(workDir_, "delay " + std::to_string(ms)); }
void SwitchSim::setDropReplies(bool drop) { control(workDir_, drop ? "drop on" : "drop off"); }
void SwitchSim::setSubtreeError(const std::string& oidPrefix, int errorStatus) {
  control(workDir_, "error " + oidPrefix + " " + std::to_string(errorStatus));
}
void SwitchSim::refuseSet(int nth, int errorStatus) {
  control(workDir_, "refuse-set " + std::to_string(nth) + " " + std::to_string(errorStatus));
}
void SwitchSim::clearFaults() { control(workDir_, "clear"); }
