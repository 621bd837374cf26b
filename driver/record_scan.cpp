// Formatted-input scanning written out by hand: a blank matches any run of white space, "%s"
// takes a word, "%d" a signed decimal that wraps around in 32 bits instead of overflowing.
#include "record_scan.h"

#include <cstring>

namespace {

// CR and LF end a line's text, as NUL does; of the white space formatted input knows, blank,
// tab, vertical tab and form feed are left inside it.
bool endsText(char c) {
    return c == '\0' || c == '\r' || c == '\n';
}

constexpr std::uint64_t SpaceInTextBits = 1ull << ' ' | 1ull << '\t' | 1ull << '\v' | 1ull << '\f';

// One compare for the usual character, above the blank; a bit test for the others.
bool isSpaceInText(char c) {
    const unsigned char code = static_cast<unsigned char>(c);
    return code <= ' ' && (SpaceInTextBits >> code & 1u) != 0;
}

// What ends a word: white space, and CR or LF, which end the text (as NUL does, for strcspn).
const char WordEnders[] = " \t\v\f\r\n";

void skipSpace(const char*& p) {
    while (isSpaceInText(*p))
        ++p;
}

// "%s": the longest run of non-white-space characters after any white space.
ScannedWord takeWord(const char*& p) {
    skipSpace(p);
    const char* start = p;
    p += std::strcspn(p, WordEnders);
    return ScannedWord{start, static_cast<std::size_t>(p - start)};
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
    const ScannedWord word = takeWord(p);
    if (word.length == 0)
        return 0;
    // No word from a line is longer; the bound guards other callers.
    const std::size_t length = word.length < LineBufferSize ? word.length : LineBufferSize - 1;
    std::memcpy(name, word.start, length);
    name[length] = '\0';
    if (!matchEquals(p) || !takeNumber(p, number))
        return 1;
    return 2;
}

int scanObjectRecord(const char* line, ScannedWord& name, char& typeLetter, std::int32_t& number) {
    const char* p = line;
    name = takeWord(p);
    if (name.length == 0)
        return 0;
    if (!matchEquals(p) || endsText(*p))
        return 1;
    typeLetter = *p++;
    if (!matchChar(p, ',') || !takeNumber(p, number))
        return 2;
    return 3;
}
