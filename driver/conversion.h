// The conversion run: command line, banner, read loop, closing and summary.
#pragma once

#include <cstdio>

// Converts the definition file argv[1] into the MIB file argv[2], reporting on `console`.
// Always returns the exit status 0.
int runConversion(int argc, char** argv, std::FILE* console = stdout);
