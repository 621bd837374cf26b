// Case rules for names: only the ASCII letters have a case; every other byte is left alone.
#pragma once

#include <cstddef>

void lowerCaseAscii(char* name);

bool equalIgnoringAsciiCase(const char* left, std::size_t leftLength, const char* right,
                            std::size_t rightLength);
