#pragma once
// A program started by a test, stopped with SIGKILL and reaped when the object goes, so that a
// failing test leaves nothing running. The child also dies with the test process itself
// (PR_SET_PDEATHSIG), for a test that crashes or is killed by its time limit.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace window_harness {

// How a child ended: its exit code, or the signal that killed it.
struct Ending {
  int exitCode = -1;  // -1 when killed by a signal
  int signal = 0;     // 0 when it exited
  bool operator==(const Ending&) const = default;
};
std::string Describe(const Ending& ending);

class ChildProcess {
 public:
  struct Options {
    std::vector<std::string> command{};          // program path first, then its arguments
    std::filesystem::path workingFolder{};       // empty: the test's own
    std::vector<std::string> environment{};      // "NAME=value", added to the test's own
    int keepOpenDescriptor = -1;                 // passed on to the child, e.g. a pipe's end
  };
  explicit ChildProcess(const Options& options);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return pid_; }
  bool Running();
  void Signal(int signal);
  // Waits for the child to end; empty when it still runs after `timeout`.
  std::optional<Ending> WaitForExit(std::chrono::milliseconds timeout);
  // SIGKILL, then reaps it; harmless when it has already ended.
  void Kill();

 private:
  bool Reap(int options);
  pid_t pid_ = -1;
  std::optional<Ending> ending_;
};

}  // namespace window_harness
