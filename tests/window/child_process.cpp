#include "tests/window/child_process.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace window_harness {

std::string Describe(const Ending& ending) {
  if (ending.signal != 0) return "killed by signal " + std::to_string(ending.signal);
  return "exit code " + std::to_string(ending.exitCode);
}

namespace {
std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

std::string NameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

bool Overridden(const std::string& entry, const std::vector<std::string>& overrides) {
  for (const std::string& o : overrides)
    if (NameOf(o) == NameOf(entry)) return true;
  return false;
}
}  // namespace

ChildProcess::ChildProcess(const Options& options) {
  if (options.command.empty()) throw std::invalid_argument("ChildProcess: no command");
  // Everything the child needs is prepared before fork: after it only async-signal-safe calls.
  std::vector<std::string> arguments = options.command;
  std::vector<std::string> environment = options.environment;
  for (char** e = environ; *e; ++e)
    if (!Overridden(*e, options.environment)) environment.emplace_back(*e);
  std::vector<char*> argv = Pointers(arguments);
  std::vector<char*> envp = Pointers(environment);
  const std::string folder = options.workingFolder.string();
  const pid_t parent = getpid();

  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    if (options.keepOpenDescriptor >= 0) {
      const int flags = fcntl(options.keepOpenDescriptor, F_GETFD);
      fcntl(options.keepOpenDescriptor, F_SETFD, flags & ~FD_CLOEXEC);
    }
    if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(126);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::Reap(int options) {
  if (ending_) return true;
  int status = 0;
  const pid_t reaped = waitpid(pid_, &status, options);
  if (reaped != pid_) return false;
  Ending ending;
  if (WIFEXITED(status)) ending.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) ending.signal = WTERMSIG(status);
  ending_ = ending;
  return true;
}

bool ChildProcess::Running() { return pid_ > 0 && !Reap(WNOHANG); }

void ChildProcess::Signal(int signal) {
  if (Running()) kill(pid_, signal);
}

std::optional<Ending> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!Reap(WNOHANG)) {
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return ending_;
}

void ChildProcess::Kill() {
  if (!Running()) return;
  kill(pid_, SIGKILL);
  Reap(0);
}

}  // namespace window_harness
