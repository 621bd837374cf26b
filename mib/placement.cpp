// Turns a dotted path into node lines and one object block on the currently open branch.
#include "placement.h"

#include "ascii_names.h"

#include <cstring>

void chainComponentName(const char* component, int componentLength, ObjectPath& path, int slot) {
    char* out = path.text + path.ends[slot - 1];
    // An empty prefix is no prefix: the component stands alone, without a leading hyphen.
    if (out != path.text)
        *out++ = '-';
    for (int i = 0; i < componentLength; ++i)
        out[i] = component[i] == '_' ? '-' : component[i];
    out += componentLength;
    *out = '\0';
    path.ends[slot] = static_cast<int>(out - path.text);
}

int splitObjectPath(const char* objectName, ObjectPath& path) {
    path.text[0] = '\0';
    path.ends[0] = 0;
    // A chained name is never longer than the part of the path it comes from, so bounding the
    // path bounds every slot.
    std::size_t length = std::strlen(objectName);
    if (length > MaxLineLength)
        length = MaxLineLength;
    const char* component = objectName;
    const char* end = objectName + length;
    int slot = 0;
    for (;;) {
        const void* dot = std::memchr(component, '.', static_cast<std::size_t>(end - component));
        const char* componentEnd = dot != nullptr ? static_cast<const char*>(dot) : end;
        ++slot;
        chainComponentName(component, static_cast<int>(componentEnd - component), path, slot);
        if (componentEnd == end)
            return slot + 1;
        component = componentEnd + 1;
    }
}

namespace {

// Most records go on under an open node spelt exactly as before, so the exact bytes are tried
// first.
bool namesOpenNode(const char* name, int length, const PathLevel& level) {
    return length == level.nameLength &&
           (std::memcmp(name, level.name, static_cast<std::size_t>(length)) == 0 ||
            equalIgnoringAsciiCase(name, static_cast<std::size_t>(length), level.name,
                                   static_cast<std::size_t>(length)));
}

} // namespace

void placeObject(MibWriter& writer, const char* objectName, char typeLetter) {
    ObjectPath path;
    const int lastSlot = splitObjectPath(objectName, path) - 1;
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
