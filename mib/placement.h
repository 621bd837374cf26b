// Naming of a dotted path's components and their placement on the open branch of the tree.
#pragma once

#include "mib_text.h"
#include "run_state.h"

#include <cstddef>

// Fills slots 1 to n of `path` with the chained names of the n components of the `length`
// characters at `objectName` and returns n + 1. Names longer than MaxLineLength are cut to that
// length first. When `path` holds the split of an earlier name, the leading components the two
// names share (up to and including a dot, past any leading dots) are kept as they are, not split
// again; `path.keptSlots` tells how many.
int splitObjectPath(const char* objectName, std::size_t length, ObjectPath& path);

inline int slotLength(const ObjectPath& path, int slot) {
    return path.ends[slot];
}

// Places one object record: opens the nodes its path needs and writes its object block. The
// path is split into the path table's `lastPlaced`, whose kept components name open nodes.
void placeObject(MibWriter& writer, const char* objectName, std::size_t objectNameLength,
                 char typeLetter);
