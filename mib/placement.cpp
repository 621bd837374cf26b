// Turns a dotted path into node lines and one object block on the currently open branch.
#include "placement.h"

#include "ascii_names.h"

#include <cstring>

void chainComponentName(const char* component, int componentLength, ObjectPath& path, int slot) {
    int length = path.ends[slot - 1];
    // An empty prefix is no prefix: the component stands alone, without a leading hyphen.
    if (length > 0)
        path.text[length++] = '-';
    for (int i = 0; i < componentLength; ++i)
        path.text[length++] = component[i] == '_' ? '-' : component[i];
    path.text[length] = '\0';
    path.ends[slot] = length;
}

int splitObjectPath(const char* objectName, ObjectPath& path) {
    path.text[0] = '\0';
    path.ends[0] = 0;
    int slot = 0;
    const char* component = objectName;
    const char* end = objectName;
    // A chained name is never longer than the part of the path it comes from, so bounding the
    // path bounds every slot.
    for (int taken = 0; taken < MaxLineLength && *end != '\0'; ++taken)
        ++end;
    for (const char* p = objectName;; ++p) {
        if (p == end || *p == '.') {
            ++slot;
            chainComponentName(component, static_cast<int>(p - component), path, slot);
            if (p == end)
                break;
            component = p + 1;
        }
    }
    return slot + 1;
}

void placeObject(MibWriter& writer, const char* objectName, char typeLetter) {
    ObjectPath path;
    const int lastSlot = splitObjectPath(objectName, path) - 1;
    PathTable& table = *writer.paths;
    for (int depth = 1; depth <= lastSlot; ++depth) {
        const int length = slotLength(path, depth);
        PathLevel& level = table.levels[depth];
        if (depth < table.openDepth &&
            equalIgnoringAsciiCase(path.text, static_cast<std::size_t>(length), level.name,
                                   static_cast<std::size_t>(level.nameLength)))
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
