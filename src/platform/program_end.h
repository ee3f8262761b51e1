#pragma once
// How the program ends. Quit answered Yes, the main window's close box and
// the end signals all come to EndProgram, at any moment: during start-up,
// in the main loop, or inside a modal window's loop nested in it.
//
// EndProgram leaves every event loop running now: the main loop and the loop
// of each modal window open, which returns as if cancelled. From then on the
// main loop never starts (RunMainLoop returns at once) and a message box or
// file dialog the program would open answers at once, as if cancelled,
// without showing: no loop started afterwards can keep the program alive.
void EndProgram();
bool ProgramEnding();

// Runs the main event loop until EndProgram; returns the program's exit code.
int RunMainLoop();
