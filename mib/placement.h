// Naming of a dotted path's components and their placement on the open branch of the tree.
#pragma once

#include "mib_text.h"
#include "run_state.h"

#include <cstddef>

// The split form of one object name. Each component's chained name extends the one before it
// (or replaces it while that is empty), so every chained name is a prefix of `text`: slot k is
// text[0 .. ends[k]). Slot 0 is the empty prefix.
struct ObjectPath {
    char text[LineBufferSize];
    int ends[PathTableLevels];
};

// Fills slots 1 to n with the chained names of the n components of the `length` characters at
// `objectName` and returns n + 1. Names longer than MaxLineLength are cut to that length first.
int splitObjectPath(const char* objectName, std::size_t length, ObjectPath& path);

inline int slotLength(const ObjectPath& path, int slot) {
    return path.ends[slot];
}

// Places one object record: opens the nodes its path needs and writes its object block.
void placeObject(MibWriter& writer, const char* objectName, std::size_t objectNameLength,
                 char typeLetter);
