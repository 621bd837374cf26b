// The state one conversion run owns: header values, counters and the open branch of the tree.
#pragma once

#include <cstdint>
#include <cstdio>

// Size of the line buffer and of every name buffer filled from a line: one read delivers at most
// LineBufferSize - 1 characters, so no name taken from a line can be longer than that.
constexpr int LineBufferSize = 83;
constexpr int MaxLineLength = LineBufferSize - 1;

// A path of MaxLineLength characters has at most MaxLineLength + 1 components, plus slot 0.
constexpr int PathTableLevels = MaxLineLength + 2;

struct HeaderValues {
    char enterpriseName[LineBufferSize];
    char unitName[LineBufferSize];
    char versionName[LineBufferSize];
    char buildName[LineBufferSize];
    std::int32_t enterpriseNumber;
    std::int32_t unitNumber;
    std::int32_t versionNumber;
    std::int32_t buildNumber;
};

struct RunCounters {
    std::int32_t linesProcessed;
    std::int32_t nodesAdded;
    std::int32_t objectsAdded;
};

// One level of the open branch: the node's chained name and the number its next child gets.
struct PathLevel {
    char name[LineBufferSize];
    int nameLength;
    std::int32_t nextChild;
};

struct PathTable {
    PathLevel levels[PathTableLevels];
    int openDepth; // levels 0 .. openDepth - 1 are valid; deeper ones are stale
};

// Adds one with two's-complement wrap-around, so no count can overflow into undefined behaviour.
inline std::int32_t wrappingIncrement(std::int32_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + 1u);
}
