// Turns a dotted path into node lines and one object block on the currently open branch.
#include "placement.h"

#include "ascii_names.h"

#include <cstring>

namespace {

// Most records go on under an open node spelt exactly as before, so the exact bytes are tried
// first.
bool namesOpenNode(const char* name, int length, const PathLevel& level) {
    return length == level.nameLength &&
           (std::memcmp(name, level.name, static_cast<std::size_t>(length)) == 0 ||
            equalIgnoringAsciiCase(name, static_cast<std::size_t>(length), level.name,
                                   static_cast<std::size_t>(length)));
}

// Where in the split name the dot that ends component `slot` stands, for a component past the
// leading dots but not the last (path.leadingDots < slot < path.slots - 1): `text` leaves the
// leading dots out.
int dotEnding(const ObjectPath& path, int slot) {
    return path.leadingDots + path.ends[slot];
}

// How many leading components `objectName` shares with the name split into `path` before, dot
// included, not counting leading dots; 0 when nothing was split before. Only components that
// end in a dot in both names count, as only those name nodes.
int keptComponents(const char* objectName, std::size_t length, const ObjectPath& path) {
    if (path.slots == 0)
        return 0;
    int kept = path.slots - 2; // the components but the last
    if (kept <= path.leadingDots)
        return 0;
    const std::size_t reach = static_cast<std::size_t>(dotEnding(path, kept)) + 1;
    const std::size_t limit = length < reach ? length : reach;
    // Records of one subtree come together, so most share all of it: one comparison of the
    // whole reach settles those, and only the others look for the first difference.
    std::size_t same = limit;
    if (std::memcmp(objectName, path.name, limit) != 0)
        for (same = 0; objectName[same] == path.name[same]; ++same) {
        }
    while (kept > path.leadingDots && static_cast<std::size_t>(dotEnding(path, kept)) >= same)
        --kept;
    return kept > path.leadingDots ? kept : 0;
}

} // namespace

int splitObjectPath(const char* objectName, std::size_t length, ObjectPath& path) {
    // A chained name is never longer than the part of the name it comes from, so bounding the
    // name bounds every slot.
    if (length > MaxLineLength)
        length = MaxLineLength;
    int slot = keptComponents(objectName, length, path);
    path.keptSlots = slot;
    std::size_t from = 0; // where in the name the components still to split begin
    if (slot > 0) {
        from = static_cast<std::size_t>(dotEnding(path, slot)) + 1;
    } else {
        // Leading dots give empty components, and an empty prefix adds no hyphen: empty names
        // all.
        path.ends[0] = 0;
        for (; from < length && objectName[from] == '.'; ++from) {
            path.name[from] = '.';
            path.ends[++slot] = 0;
        }
        path.leadingDots = static_cast<int>(from);
    }
    // From there on each name is the one before, a hyphen and the next component, with its
    // underscores as hyphens: the names are the prefixes of the rest of the name, dots and
    // underscores turned into hyphens, that end where a dot stood or at the end. In `text` the
    // leading dots are left out.
    const std::size_t lead = static_cast<std::size_t>(path.leadingDots);
    for (std::size_t i = from; i < length; ++i) {
        const char c = objectName[i];
        path.name[i] = c;
        if (c == '.')
            path.ends[++slot] = static_cast<int>(i - lead);
        path.text[i - lead] = c == '.' || c == '_' ? '-' : c;
    }
    path.ends[++slot] = static_cast<int>(length - lead);
    path.text[length - lead] = '\0';
    path.slots = slot + 1;
    return path.slots;
}

void placeObject(MibWriter& writer, const char* objectName, std::size_t objectNameLength,
                 char typeLetter) {
    PathTable& table = *writer.paths;
    ObjectPath& path = table.lastPlaced;
    const int lastSlot = splitObjectPath(objectName, objectNameLength, path) - 1;
    // The kept components were components but the last of the object placed before, so they
    // name nodes that are open, as the walk would find.
    for (int depth = path.keptSlots + 1; depth <= lastSlot; ++depth) {
        const int length = slotLength(path, depth);
        PathLevel& level = table.levels[depth];
        if (depth < table.openDepth && namesOpenNode(path.text, length, level))
            continue;
        PathLevel& parent = table.levels[depth - 1];
        if (depth == lastSlot) {
            writeObjectType(writer, path.text, static_cast<std::size_t>(length), typeLetter,
                            parent);
            return;
        }
        table.openDepth = depth + 1;
        writeNodeLine(writer, path.text, static_cast<std::size_t>(length), parent);
        std::memcpy(level.name, path.text, static_cast<std::size_t>(length));
        level.name[length] = '\0';
        level.nameLength = length;
        level.nextChild = 1;
    }
}
