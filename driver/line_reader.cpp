// Chunked line reading with CR LF folding, done here rather than by the C library so that it is
// the same on every platform.
#include "line_reader.h"

#include <cstring>

namespace {

// Makes at least one unread byte available; false at end of input or on a failed read.
bool refill(LineReader& reader) {
    if (reader.next < reader.end)
        return true;
    if (reader.atEnd || reader.failed)
        return false;
    reader.next = 0;
    reader.end = std::fread(reader.buffer, 1, InputBufferSize, reader.file);
    if (reader.end == 0) {
        if (std::ferror(reader.file))
            reader.failed = true;
        else
            reader.atEnd = true;
        return false;
    }
    return true;
}

} // namespace

void attachLineReader(LineReader& reader, std::FILE* file) {
    reader.file = file;
    reader.next = 0;
    reader.end = 0;
    reader.atEnd = false;
    reader.failed = false;
    std::setvbuf(file, nullptr, _IONBF, 0);
}

ChunkResult readChunk(LineReader& reader, char (&line)[LineBufferSize]) {
    int count = 0;
    while (count < MaxLineLength && refill(reader)) {
        char c = reader.buffer[reader.next++];
        if (c == '\r' && refill(reader) && reader.buffer[reader.next] == '\n') {
            ++reader.next;
            c = '\n';
        }
        line[count++] = c;
        if (c == '\n')
            break;
    }
    line[count] = '\0';
    if (reader.failed)
        return ChunkResult::ReadFailed;
    return count == 0 ? ChunkResult::EndOfInput : ChunkResult::Line;
}

std::size_t trimLineEnd(char* line) {
    if (*line == '\0')
        return 0;
    if (char* cr = std::strchr(line, '\r'))
        *cr = '\0';
    if (char* lf = std::strchr(line, '\n'))
        *lf = '\0';
    return std::strlen(line);
}
