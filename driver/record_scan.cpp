// Formatted-input scanning written out by hand: a blank matches any run of white space, "%s"
// takes a word, "%d" a signed decimal that wraps around in 32 bits instead of overflowing.
#include "record_scan.h"

#include <cstddef>
#include <cstring>

namespace {

// White space as formatted input knows it.
const char ScanSpace[] = " \t\n\v\f\r";

// Blank, or one of tab, line feed, vertical tab, form feed and carriage return, which are
// consecutive codes.
bool isScanSpace(char c) {
    return c == ' ' ||
           static_cast<unsigned char>(c - '\t') <= static_cast<unsigned char>('\r' - '\t');
}

void skipSpace(const char*& p) {
    while (isScanSpace(*p))
        ++p;
}

// "%s": the longest run of non-white-space characters after any white space.
bool takeWord(const char*& p, char (&word)[LineBufferSize]) {
    skipSpace(p);
    const char* start = p;
    p += std::strcspn(p, ScanSpace);
    std::size_t length = static_cast<std::size_t>(p - start);
    if (length > LineBufferSize - 1) // no word from a line is longer; this guards other callers
        length = LineBufferSize - 1;
    // A library call on purpose: knowing the length is short, compilers expand memcpy into a
    // string instruction that is slow to start.
    std::memmove(word, start, length);
    word[length] = '\0';
    return length > 0;
}

// "%d": an optionally signed run of decimal digits after any white space.
bool takeNumber(const char*& p, std::int32_t& number) {
    skipSpace(p);
    const char* digit = p; // a local cursor stays in a register through the digit loop
    bool negative = false;
    if (*digit == '+' || *digit == '-')
        negative = *digit++ == '-';
    if (*digit < '0' || *digit > '9')
        return false;
    std::uint32_t value = 0;
    for (; *digit >= '0' && *digit <= '9'; ++digit)
        value = value * 10u + static_cast<std::uint32_t>(*digit - '0');
    if (negative)
        value = 0u - value;
    number = static_cast<std::int32_t>(value);
    p = digit;
    return true;
}

bool matchChar(const char*& p, char expected) {
    if (*p != expected)
        return false;
    ++p;
    return true;
}

// " = ": the separator between a record's name and its value.
bool matchEquals(const char*& p) {
    skipSpace(p);
    if (!matchChar(p, '='))
        return false;
    skipSpace(p);
    return true;
}

} // namespace

int scanHeaderRecord(const char* line, char (&name)[LineBufferSize], std::int32_t& number) {
    const char* p = line;
    if (!takeWord(p, name))
        return 0;
    if (!matchEquals(p) || !takeNumber(p, number))
        return 1;
    return 2;
}

int scanObjectRecord(const char* line, char (&name)[LineBufferSize], char& typeLetter,
                     std::int32_t& number) {
    const char* p = line;
    if (!takeWord(p, name))
        return 0;
    if (!matchEquals(p) || *p == '\0')
        return 1;
    typeLetter = *p++;
    if (!matchChar(p, ',') || !takeNumber(p, number))
        return 2;
    return 3;
}
