#include "platform/program_end.h"

#include <QCoreApplication>

namespace {
bool gEnding = false;
} // namespace

void EndProgram()
{
    gEnding = true;
    QCoreApplication::exit(0);
}

bool ProgramEnding() { return gEnding; }

int RunMainLoop() { return gEnding ? 0 : QCoreApplication::exec(); }
