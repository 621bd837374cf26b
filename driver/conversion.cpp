// The run sequence: banner, checks, the read loop over the definition file, closing, summary.
#include "conversion.h"

#include "../mib/placement.h"
#include "conversion_state.h"
#include "record_scan.h"

#include <cstring>

namespace {

// The build's own date and time, fixed when this file is compiled.
const char Banner[] = "\r\nTRAVIX Ver 2.10  " __DATE__ " " __TIME__ " ";

void resetRun(Conversion& run) {
    run.headerState = 0;
    std::memset(&run.header, 0, sizeof run.header);
    run.counters = RunCounters{0, 0, 0};
    run.paths.openDepth = 0;
    run.paths.lastPlaced.slots = 0;
    run.mib.file = nullptr;
    run.mib.writeFailed = false;
    run.mib.used = 0;
    run.writer = MibWriter{&run.mib, &run.counters, &run.paths, run.console};
}

bool hasEquals(const char* text, std::size_t length) {
    return std::memchr(text, '=', length) != nullptr;
}

// Takes one line after the header as an object record; false when the run must end. A line
// that scans in full holds "=", so only a line that does not is trimmed and searched for one,
// to tell the end of the records from a record in error.
bool takeObjectLine(Conversion& run) {
    ScannedWord objectName{};
    char typeLetter = '\0';
    std::int32_t number = 0;
    const int fields = scanObjectRecord(run.line, objectName, typeLetter, number);
    if (fields == 3) {
        placeObject(run.writer, objectName.start, objectName.length, typeLetter);
        run.counters.linesProcessed = wrappingIncrement(run.counters.linesProcessed);
        return true;
    }
    const std::size_t length = trimLineEnd(run.line);
    if (!hasEquals(run.line, length)) {
        std::fprintf(run.console, "Execution stopped at line %d '%s'\r\n",
                     static_cast<int>(run.counters.linesProcessed), run.line);
        return false;
    }
    std::fprintf(run.console, "error scanning line [%s] and result is %d\r\n", run.line, fields);
    return false;
}

// Takes one line before the header is complete; false when the run must end.
bool takeHeaderLine(Conversion& run) {
    const std::size_t length = trimLineEnd(run.line);
    if (hasEquals(run.line, length))
        return takeHeaderRecord(run);
    std::fprintf(run.console, "Ignoring line '%s'\r\n", run.line);
    return true;
}

void readDefinitions(Conversion& run) {
    for (;;) {
        std::size_t chunkLength = 0;
        ChunkResult result = readChunk(run.reader, run.line, chunkLength);
        if (result == ChunkResult::ReadFailed) {
            std::fprintf(run.console, "Error reading %s\r\n", run.definitionPath);
            return;
        }
        if (result == ChunkResult::EndOfInput)
            return;
        const bool keepGoing =
            run.headerState & HeaderComplete ? takeObjectLine(run) : takeHeaderLine(run);
        if (!keepGoing)
            return;
    }
}

} // namespace

int runConversion(int argc, char** argv, std::FILE* console) {
    std::fprintf(console, "%s\r\n", Banner);
    if (argc < 3) {
        std::fprintf(console, "Usage: %s 'infile' 'outfile'\r\n", argc > 0 ? argv[0] : "");
        return 0;
    }
    std::FILE* definitions = std::fopen(argv[1], "r");
    if (definitions == nullptr) {
        std::fprintf(console, "Can't open %s for reading\r\n", argv[1]);
        return 0;
    }

    Conversion run;
    run.definitionPath = argv[1];
    run.mibPath = argv[2];
    run.console = console;
    resetRun(run);
    attachLineReader(run.reader, definitions);
    std::fprintf(console, "Working...\r\n");

    readDefinitions(run);

    std::fclose(definitions);
    if (run.mib.file != nullptr) {
        writeModuleFooter(run.writer);
        closeMibStream(run.mib);
    }
    if (run.mib.writeFailed)
        std::fprintf(console, "Error writing %s\r\n", run.mibPath);
    printRunSummary(run);
    return 0;
}
