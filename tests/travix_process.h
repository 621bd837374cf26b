// Running the built travix binary as a user would, for the black-box tests.
#pragma once

#include <string>
#include <vector>

struct TravixRun {
    std::string console; // everything written to standard output, banner date and time masked
    int exitStatus;      // -1 when the process did not exit normally
};

// Runs travix with `arguments` (argument 0 is supplied) in `workDirectory`, with standard input
// empty, and waits for it.
TravixRun runTravix(const std::vector<std::string>& arguments, const std::string& workDirectory);

// The path of the built travix binary.
const char* travixBinary();

// Replaces the build date and time in the banner ("May 21 2012 11:10:30") by
// "MMM DD YYYY HH:MM:SS", so expected console text does not depend on the build.
std::string maskBanner(const std::string& console);

// A fresh, empty directory below the system's temporary directory.
std::string makeScratchDirectory();

bool fileExists(const std::string& path);
std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);

// Removes a scratch directory and everything in it.
void removeTree(const std::string& path);
