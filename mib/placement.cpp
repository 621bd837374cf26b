// Turns a dotted path into node lines and one object block on the currently open branch.
#include "placement.h"

#include "ascii_names.h"

#include <cstring>

namespace {

const char* findDot(const char* from, const char* end) {
    return static_cast<const char*>(std::memchr(from, '.', static_cast<std::size_t>(end - from)));
}

// Most records go on under an open node spelt exactly as before, so the exact bytes are tried
// first.
bool namesOpenNode(const char* name, int length, const PathLevel& level) {
    return length == level.nameLength &&
           (std::memcmp(name, level.name, static_cast<std::size_t>(length)) == 0 ||
            equalIgnoringAsciiCase(name, static_cast<std::size_t>(length), level.name,
                                   static_cast<std::size_t>(length)));
}

} // namespace

int splitObjectPath(const char* objectName, std::size_t length, ObjectPath& path) {
    // A chained name is never longer than the part of the path it comes from, so bounding the
    // path bounds every slot.
    if (length > MaxLineLength)
        length = MaxLineLength;
    path.ends[0] = 0;
    int slot = 0;
    // Leading dots give empty components, and an empty prefix adds no hyphen: empty names all.
    std::size_t start = 0;
    for (; start < length && objectName[start] == '.'; ++start)
        path.ends[++slot] = 0;
    // From there on each name is the one before, a hyphen and the next component, with its
    // underscores as hyphens: the names are the prefixes of the rest of the path, dots and
    // underscores turned into hyphens, that end where a dot stood or at the end.
    const char* rest = objectName + start;
    const char* end = objectName + length;
    for (const char* dot = rest; (dot = findDot(dot, end)) != nullptr; ++dot)
        path.ends[++slot] = static_cast<int>(dot - rest);
    const std::size_t restLength = length - start;
    path.ends[++slot] = static_cast<int>(restLength);
    for (std::size_t i = 0; i < restLength; ++i)
        path.text[i] = rest[i] == '.' || rest[i] == '_' ? '-' : rest[i];
    path.text[restLength] = '\0';
    return slot + 1;
}

void placeObject(MibWriter& writer, const char* objectName, std::size_t objectNameLength,
                 char typeLetter) {
    ObjectPath path;
    const int lastSlot = splitObjectPath(objectName, objectNameLength, path) - 1;
    PathTable& table = *writer.paths;
    for (int depth = 1; depth <= lastSlot; ++depth) {
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
