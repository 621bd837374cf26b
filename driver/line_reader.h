// Reading the definition file in chunks of at most MaxLineLength characters.
#pragma once

#include "../mib/run_state.h"

#include <cstddef>
#include <cstdio>

constexpr std::size_t InputBufferSize = 64 * 1024;

struct LineReader {
    std::FILE* file;
    std::size_t next; // first unread byte in buffer
    std::size_t end;  // one past the last byte in buffer
    bool atEnd;       // the file has nothing more to give
    bool failed;      // a read failed; what came before it still counts
    char buffer[InputBufferSize];
};

enum class ChunkResult { Line, EndOfInput, ReadFailed };

void attachLineReader(LineReader& reader, std::FILE* file);

// Reads one chunk into `line` (NUL-terminated): it stops after a line feed, which it keeps, at end
// of input, or after MaxLineLength characters. A CR LF pair counts as one line feed; any other CR
// is an ordinary character.
ChunkResult readChunk(LineReader& reader, char (&line)[LineBufferSize]);

// Ends the line's text at its first CR and then at its first LF; returns the remaining length.
std::size_t trimLineEnd(char* line);
