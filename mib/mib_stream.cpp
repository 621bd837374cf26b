// Buffered writing of the MIB file, with hand formatting of numbers.
#include "mib_stream.h"

#include <cstring>

namespace {

void flushBuffer(MibStream& stream) {
    if (stream.used == 0)
        return;
    if (stream.file == nullptr ||
        std::fwrite(stream.buffer, 1, stream.used, stream.file) != stream.used)
        stream.writeFailed = true;
    stream.used = 0;
}

} // namespace

void attachMibStream(MibStream& stream, std::FILE* file) {
    stream.file = file;
    stream.used = 0;
    // Our own buffer already batches the writes; a second one in stdio would only copy them again.
    std::setvbuf(file, nullptr, _IONBF, 0);
}

void closeMibStream(MibStream& stream) {
    if (stream.file == nullptr)
        return;
    flushBuffer(stream);
    if (std::fclose(stream.file) != 0)
        stream.writeFailed = true;
    stream.file = nullptr;
}

void appendBytes(MibStream& stream, const char* bytes, std::size_t length) {
    while (length > 0) {
        if (stream.used == MibStreamBufferSize)
            flushBuffer(stream);
        std::size_t room = MibStreamBufferSize - stream.used;
        std::size_t step = length < room ? length : room;
        std::memcpy(stream.buffer + stream.used, bytes, step);
        stream.used += step;
        bytes += step;
        length -= step;
    }
}

char* beginPiece(MibStream& stream) {
    if (MibStreamBufferSize - stream.used < MaxPieceLength)
        flushBuffer(stream);
    return stream.buffer + stream.used;
}

char* putNumber(char* out, std::int32_t number) {
    // Work in unsigned arithmetic so that the most negative number has a magnitude too.
    std::uint32_t magnitude = static_cast<std::uint32_t>(number);
    if (number < 0) {
        *out++ = '-';
        magnitude = 0u - magnitude;
    }
    char* end = out + 1;
    for (std::uint32_t rest = magnitude; rest >= 10u; rest /= 10u)
        ++end;
    for (char* digit = end; digit != out; magnitude /= 10u)
        *--digit = static_cast<char>('0' + magnitude % 10u);
    return end;
}
