#include "platform/stop_signals.h"

#include <csignal>

namespace platform {
namespace {

volatile std::sig_atomic_t pendingSignal = 0;

extern "C" void NoteStopSignal(int signal) { pendingSignal = signal; }

}  // namespace

void CatchStopSignals() {
#ifdef SIGHUP
  std::signal(SIGHUP, NoteStopSignal);
#endif
  std::signal(SIGINT, NoteStopSignal);
  std::signal(SIGTERM, NoteStopSignal);
}

int PendingStopSignal() { return pendingSignal; }

}  // namespace platform
