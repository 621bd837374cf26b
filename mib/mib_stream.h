// The MIB file's output stream: a fixed buffer in front of the file, written in large blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

constexpr std::size_t MibStreamBufferSize = 64 * 1024;

struct MibStream {
    std::FILE* file;  // null while no MIB file is held
    bool writeFailed; // set by any failed write or close; never cleared during a run
    std::size_t used;
    char buffer[MibStreamBufferSize];
};

// Starts holding `file` (already open for writing, unbuffered or not).
void attachMibStream(MibStream& stream, std::FILE* file);

// Flushes and closes the held file, if any; the stream then holds none.
void closeMibStream(MibStream& stream);

void appendBytes(MibStream& stream, const char* bytes, std::size_t length);
void appendNumber(MibStream& stream, std::int32_t number);

template <std::size_t N> void appendLiteral(MibStream& stream, const char (&text)[N]) {
    appendBytes(stream, text, N - 1);
}
