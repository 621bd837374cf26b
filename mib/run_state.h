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

// The split form of one object name. Each component's chained name extends the one before it
// (or replaces it while that is empty), so every chained name is a prefix of `text`: slot k is
// text[0 .. ends[k]). Slot 0 is the empty prefix. The name itself is kept beside its split, so
// that the next name can be compared with it.
struct ObjectPath {
    char name[LineBufferSize]; // as read, cut to MaxLineLength
    char text[LineBufferSize];
    int ends[PathTableLevels];
    int leadingDots; // the name's leading dots, each an empty component
    int slots;       // components + 1, or 0 while nothing has been split into this path
    int keptSlots;   // leading components the last split found split already (see placement.h)
};

struct PathTable {
    PathLevel levels[PathTableLevels];
    int openDepth; // levels 0 .. openDepth - 1 are valid; deeper ones are stale
    // The path of the object placed last; every component of it but the last names a node on
    // the open branch.
    ObjectPath lastPlaced;
};

// Adds one with two's-complement wrap-around, so no count can overflow into undefined behaviour.
inline std::int32_t wrappingIncrement(std::int32_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + 1u);
}
