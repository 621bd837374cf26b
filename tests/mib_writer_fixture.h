// A MIB writer over memory: the stream's buffer is read back instead of a file, the console is a
// memory stream.
#pragma once

#include "expected_text.h"
#include "mib/mib_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

struct MibWriterFixture {
    MibWriterFixture() {
        std::memset(&stream, 0, sizeof stream);
        std::memset(&counters, 0, sizeof counters);
        std::memset(&paths, 0, sizeof paths);
        console = open_memstream(&consoleBytes, &consoleSize);
        writer = MibWriter{&stream, &counters, &paths, console};
    }
    ~MibWriterFixture() {
        std::fclose(console);
        std::free(consoleBytes);
    }

    // Roots the path table at `buildName` as the module header does, without writing it.
    void root(const char* buildName) {
        PathLevel& level = paths.levels[0];
        std::snprintf(level.name, sizeof level.name, "%s", buildName);
        level.nameLength = static_cast<int>(std::strlen(buildName));
        level.nextChild = 1;
        paths.openDepth = 1;
    }

    // Everything written so far (the tests stay far below one buffer's worth).
    std::string written() const { return std::string(stream.buffer, stream.used); }
    std::string consoleText() {
        std::fflush(console);
        return std::string(consoleBytes, consoleSize);
    }

    MibStream stream;
    RunCounters counters;
    PathTable paths;
    std::FILE* console;
    char* consoleBytes = nullptr;
    std::size_t consoleSize = 0;
    MibWriter writer;
};
