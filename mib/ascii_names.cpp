// ASCII-only lower-casing and comparison, independent of the C library's locale.
#include "ascii_names.h"

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

void lowerCaseAscii(char* name) {
    for (; *name != '\0'; ++name)
        *name = lowerAscii(*name);
}

bool equalIgnoringAsciiCase(const char* left, std::size_t leftLength, const char* right,
                            std::size_t rightLength) {
    if (leftLength != rightLength)
        return false;
    for (std::size_t i = 0; i < leftLength; ++i)
        if (lowerAscii(left[i]) != lowerAscii(right[i]))
            return false;
    return true;
}
