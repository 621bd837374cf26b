// Chunked line reading, with a CR LF pair counted as one line feed, done here rather than by the
// C library so that it is the same on every platform.
#include "line_reader.h"

#include <cstring>

namespace {

// What one chunk may have to look at: MaxLineLength characters and, when the last of them is a
// CR, the byte after it, which may make the pair one line feed.
constexpr std::size_t ChunkReach = MaxLineLength + 1;

// Makes a whole chunk's reach available unless the file has less left or reading failed: the
// unread rest moves to the front of the buffer and the buffer is filled up behind it.
void fillReach(LineReader& reader) {
    const std::size_t left = reader.end - reader.next;
    if (left >= ChunkReach || reader.atEnd || reader.failed)
        return;
    std::memmove(reader.buffer, reader.buffer + reader.next, left);
    reader.next = 0;
    reader.end = left;
    while (reader.end < ChunkReach && !reader.atEnd && !reader.failed) {
        const std::size_t got =
            std::fread(reader.buffer + reader.end, 1, InputBufferSize - reader.end, reader.file);
        reader.end += got;
        if (got == 0) {
            if (std::ferror(reader.file))
                reader.failed = true;
            else
                reader.atEnd = true;
        }
    }
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

ChunkResult readChunk(LineReader& reader, char*& text, std::size_t& length) {
    fillReach(reader);
    char* start = reader.buffer + reader.next;
    const std::size_t available = reader.end - reader.next;
    const std::size_t window = available < MaxLineLength ? available : MaxLineLength;
    std::size_t taken = window; // bytes of input the chunk uses up
    if (const void* found = std::memchr(start, '\n', window)) {
        taken = static_cast<std::size_t>(static_cast<const char*>(found) - start) + 1;
    } else if (available > MaxLineLength && start[MaxLineLength - 1] == '\r' &&
               start[MaxLineLength] == '\n') {
        taken = MaxLineLength + 1; // the CR LF pair is the chunk's last character
    } else if (reader.failed && (available < MaxLineLength || start[MaxLineLength - 1] == '\r')) {
        // The chunk would need bytes that the failed read did not deliver.
        return ChunkResult::ReadFailed;
    }
    if (taken == 0)
        return ChunkResult::EndOfInput;
    reader.next += taken;
    length = taken;
    if (start[taken - 1] == '\n') {
        text = start;
        return ChunkResult::Line;
    }
    // Only a chunk cut short of its line feed needs a terminator of its own.
    std::memcpy(reader.unended, start, taken);
    reader.unended[taken] = '\0';
    text = reader.unended;
    return ChunkResult::Line;
}

std::size_t trimLineEnd(char* line) {
    // Ending the text at the first CR and then at the first LF ends it at whichever comes first.
    const std::size_t length = std::strcspn(line, "\r\n");
    line[length] = '\0';
    return length;
}
