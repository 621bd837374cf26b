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
    char unended[LineBufferSize]; // a chunk without a line feed, copied out and NUL-terminated
};

enum class ChunkResult { Line, EndOfInput, ReadFailed };

void attachLineReader(LineReader& reader, std::FILE* file);

// Reads one chunk: it stops after a line feed, at end of input, or after MaxLineLength
// characters. A CR LF pair counts as one line feed, one character; any other CR is an ordinary
// character. `text` is set to the chunk's `length` bytes, which stay valid, and may be changed,
// until the next read. A chunk that ends in a line feed is left where it was read, CR LF and
// all; any other chunk is copied out and followed by a NUL. Either way the text of the line runs
// to its first CR, LF or NUL.
ChunkResult readChunk(LineReader& reader, char*& text, std::size_t& length);

// Ends the line's text at its first CR and then at its first LF; returns the remaining length.
std::size_t trimLineEnd(char* line);
