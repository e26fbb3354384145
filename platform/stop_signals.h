#pragma once
// Ctrl+C, kill and a closed terminal must still end the game through its close-down, so that the
// desktop gets its display mode back. SDL's own handlers would turn these signals into quit
// requests, which the game ignores; ours only note the signal, and the next flip acts on it.

namespace platform {

void CatchStopSignals();
// The signal that asked the game to stop, or 0.
int PendingStopSignal();

}  // namespace platform
