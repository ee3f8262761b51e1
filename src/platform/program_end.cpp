#include "platform/program_end.h"

#include <QCoreApplication>

namespace {
bool gEnding = false;
bool gInTests = false;
} // namespace

void EndProgram()
{
    gEnding = true;
    if (!gInTests)
        QCoreApplication::exit(0);
}

bool ProgramEnding() { return gEnding; }

int RunMainLoop() { return ProgramEnding() ? 0 : QCoreApplication::exec(); }

ProgramEndInTests::ProgramEndInTests() { gInTests = true; }

ProgramEndInTests::~ProgramEndInTests()
{
    gInTests = false;
    gEnding = false;
}
