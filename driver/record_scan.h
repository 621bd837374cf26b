// Scanning of header records ("name = number") and object records ("path = letter, number").
#pragma once

#include "../mib/run_state.h"

#include <cstddef>
#include <cstdint>

// Both scanners read a line's text up to its first CR, LF or NUL, which is exactly what is left
// of the line once its end is trimmed: a line can be scanned before it is trimmed.

// Scans `line` as "%s = %d" and returns how many of the two fields were filled.
int scanHeaderRecord(const char* line, char (&name)[LineBufferSize], std::int32_t& number);

// The characters a "%s" took, left in place in the line.
struct ScannedWord {
    const char* start;
    std::size_t length;
};

// Scans `line` as "%s = %c, %d" and returns how many of the three fields were filled.
int scanObjectRecord(const char* line, ScannedWord& name, char& typeLetter, std::int32_t& number);
