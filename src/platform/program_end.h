#pragma once
// How the program ends: one state, set once and for good. Quit answered Yes,
// the main window's close box and the end signals all come to EndProgram, at
// any moment: during start-up, in the main loop, inside a modal window's loop
// nested in it, or in a turn of the event loop that a long command lets run
// (a save's rows, a flip).
//
// EndProgram marks the program ending and leaves every event loop running
// now: the main loop and the loop of each modal window open, which returns
// as if cancelled. ProgramEnding is the one place that state is read. From
// then on the main loop never starts (RunMainLoop returns at once), a message
// box or file dialog the program would open answers at once, as if
// cancelled, without showing, and a long command stops at its next turn and
// drops what it has not finished: no loop started afterwards can keep the
// program alive.
void EndProgram();
bool ProgramEnding();

// Runs the main event loop until EndProgram; returns the program's exit code.
int RunMainLoop();

// Tests end the program many times in one process, whose event loops are the
// test's own. While a ProgramEndInTests lives, EndProgram marks the program
// ending but leaves no event loop; when it goes, the program is no longer
// ending. One at a time.
class ProgramEndInTests {
public:
    ProgramEndInTests();
    ~ProgramEndInTests();
    ProgramEndInTests(const ProgramEndInTests&) = delete;
    ProgramEndInTests& operator=(const ProgramEndInTests&) = delete;
};
