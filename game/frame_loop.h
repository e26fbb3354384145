#pragma once
// The entry routine, in three parts so that tests can drive the game one pass at a time.

void StartUp();   // services, display, sprites, lists, start values
bool RunPass();   // one pass of the frame loop; false once the game has ended
void ShutDown();  // gives the desktop back and frees the lists

// StartUp, passes until the game ends, ShutDown; the process's exit code.
int RunGame();
