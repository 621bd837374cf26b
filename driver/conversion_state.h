// The driver's run state: everything one conversion owns, from the command line to the summary.
#pragma once

#include "../mib/mib_stream.h"
#include "../mib/mib_text.h"
#include "../mib/run_state.h"
#include "line_reader.h"

#include <cstdint>
#include <cstdio>

// Bits of the header state word, set as each header record is accepted.
enum HeaderBits : std::uint32_t {
    HeaderComplete = 0x01,
    EnterpriseSeen = 0x04,
    UnitSeen = 0x08,
    VersionSeen = 0x10,
    BuildSeen = 0x20,
    AllHeaderRecords = EnterpriseSeen | UnitSeen | VersionSeen | BuildSeen,
};

struct Conversion {
    const char* definitionPath; // argument 1
    const char* mibPath;        // argument 2
    std::FILE* console;
    std::uint32_t headerState;
    HeaderValues header;
    RunCounters counters;
    PathTable paths;
    MibWriter writer;
    LineReader reader;
    MibStream mib;
    char* line; // the chunk being taken, in the reader (see readChunk)
};

// Opens the MIB file for writing (created or truncated) and lets the stream hold it. Refuses a
// MIB path that names the open definition file, which truncating would destroy.
bool openMibFile(Conversion& run);

// Takes one line holding "=" as the next header record; false when the run must end.
bool takeHeaderRecord(Conversion& run);

void printRunSummary(const Conversion& run);
