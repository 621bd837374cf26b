// The MIB file's output stream: a fixed buffer in front of the file, written in large blocks.
#pragma once

#include "run_state.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

constexpr std::size_t MibStreamBufferSize = 256 * 1024;

// The room one writer formats a piece in: a node line or an object block holds two names taken
// from a line, a SYNTAX text (copied as a 16-byte slot), a number and under a hundred bytes of
// fixed text.
constexpr std::size_t MaxPieceLength = 2 * MaxLineLength + 128;

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

template <std::size_t N> void appendLiteral(MibStream& stream, const char (&text)[N]) {
    appendBytes(stream, text, N - 1);
}

// Formatting one piece straight into the buffer: beginPiece returns room for MaxPieceLength
// bytes (flushing first if need be), the put functions fill it and return the next free byte,
// and endPiece takes the bytes up to `end` as written.
char* beginPiece(MibStream& stream);

inline void endPiece(MibStream& stream, const char* end) {
    stream.used = static_cast<std::size_t>(end - stream.buffer);
}

inline char* putBytes(char* out, const char* bytes, std::size_t length) {
    std::memcpy(out, bytes, length);
    return out + length;
}

template <std::size_t N> char* putLiteral(char* out, const char (&text)[N]) {
    return putBytes(out, text, N - 1);
}

// Signed decimal, at most 11 bytes.
char* putNumber(char* out, std::int32_t number);
