#include "platform/stop_signals.h"

#include <csignal>

namespace platform {
namespace {

volatile std::sig_atomic_t pendingSignal = 0;

extern "C" void NoteStopSignal(int signal) { pendingSignal = signal; }

// A signal that whoever started the game chose to ignore (nohup, a background job) stays
// ignored.
void Catch(int signal) {
  if (std::signal(signal, NoteStopSignal) == SIG_IGN) std::signal(signal, SIG_IGN);
}

}  // namespace

void CatchStopSignals() {
#ifdef SIGHUP
  Catch(SIGHUP);
#endif
  Catch(SIGINT);
  Catch(SIGTERM);
}

int PendingStopSignal() { return pendingSignal; }

}  // namespace platform
