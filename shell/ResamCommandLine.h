#pragma once
// The program without a window: the command line's help, version, report, comparison,
// figures and data, run on the lesson it names with the program's own windows, none shown.
// Messages go to standard error; the result is the exit status (reports/CommandLine.h).
#include "reports/CommandLine.h"

// Runs what the line asks for (any mode but Window); the application object exists.
int RunCommandLine(const TCommandLine& line);
