// Writes a large, realistic definition file to standard output: a short comment, the four header
// records and then N object records, grouped into subtrees as a product's definition files are.
// The same record count and seed always give the same bytes, on every platform.
//
//   generate_definitions RECORDS [SEED] > big.def
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A small generator of our own (splitmix64), so the file does not depend on the C library.
struct Random {
    std::uint64_t state;
};

std::uint64_t nextRandom(Random& random) {
    std::uint64_t z = (random.state += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

// A number from `low` to `high`, both included.
int pick(Random& random, int low, int high) {
    return low + static_cast<int>(nextRandom(random) % static_cast<std::uint64_t>(high - low + 1));
}

template <std::size_t N> const char* pickWord(Random& random, const char* const (&words)[N]) {
    return words[pick(random, 0, static_cast<int>(N) - 1)];
}

const char* const GroupWords[] = {
    "sys",     "if_table", "ip",      "tcp",   "udp", "fan",  "power", "port_stats",
    "vlan",    "qos",      "lldp",    "snmp",  "ntp", "dhcp", "acl",   "route",
    "sensors", "storage",  "modules", "alarm", "log", "user", "radio", "optics",
    "bridge",  "mpls",     "bgp",     "ospf",  "stp", "lag",  "poe",   "env",
};

const char* const TableWords[] = {
    "port",  "queue", "peer",  "entry", "slot", "lane", "rule",   "member",
    "route", "zone",  "group", "link",  "unit", "cell", "filter", "channel",
};

const char* const NodeWords[] = {
    "config", "status", "counters", "limits", "history", "global", "local", "remote",
    "admin",  "oper",   "errors",   "timers", "events",  "health", "rx",    "tx",
};

const char* const LeafWords[] = {
    "index",       "name",        "descr",      "type",      "mtu",        "speed",
    "phys_addr",   "admin_state", "oper_state", "in_octets", "out_octets", "in_errors",
    "out_errors",  "last_change", "alias",      "priority",  "weight",     "threshold",
    "high_water",  "low_water",   "uptime",     "contact",   "location",   "serial_no",
    "temperature", "voltage",     "current",    "rpm",       "enabled",    "mode",
    "timeout",     "retries",     "address",    "mask",      "gateway",    "metric",
};

// Integer-like letters are the most common, as in real agents; all six appear.
const char TypeLetters[] = "iiiccllssbqq";

struct Output {
    std::uint64_t recordsLeft;
    std::uint64_t recordNumber; // the number field: running, as hand-written files number them
    Random random;
};

// One object record, now and then with the extra blanks or tabs people type.
void writeRecord(Output& out, const char* path, const char* leaf) {
    if (out.recordsLeft == 0)
        return;
    --out.recordsLeft;
    ++out.recordNumber;
    const char letter = TypeLetters[pick(out.random, 0, static_cast<int>(sizeof TypeLetters) - 2)];
    const char* beforeEquals = " ";
    const char* afterEquals = " ";
    const char* afterComma = " ";
    switch (pick(out.random, 0, 31)) {
    case 0:
        beforeEquals = "\t";
        break;
    case 1:
        afterEquals = "  ";
        break;
    case 2:
        afterComma = "";
        break;
    case 3:
        beforeEquals = "  ";
        afterEquals = "\t";
        break;
    default:
        break;
    }
    std::printf("%s.%s%s=%s%c,%s%" PRIu64 "\n", path, leaf, beforeEquals, afterEquals, letter,
                afterComma, out.recordNumber);
}

// Distinct leaves under one parent, in a random order, as columns of a table or scalars of a node.
void writeLeaves(Output& out, const char* path, int count) {
    constexpr int LeafCount = static_cast<int>(sizeof LeafWords / sizeof LeafWords[0]);
    int order[LeafCount];
    for (int i = 0; i < LeafCount; ++i)
        order[i] = i;
    for (int i = 0; i < count && i < LeafCount; ++i) {
        const int j = pick(out.random, i, LeafCount - 1);
        const int chosen = order[j];
        order[j] = order[i];
        order[i] = chosen;
        writeRecord(out, path, LeafWords[chosen]);
    }
}

// One top-level subtree: scalars, a table or two, nested nodes. Its records stay together, so
// every node of it is written once.
void writeGroup(Output& out, std::uint64_t groupNumber) {
    char group[40];
    std::snprintf(group, sizeof group, "%s%" PRIu64, pickWord(out.random, GroupWords), groupNumber);
    const int sections = pick(out.random, 1, 6);
    for (int section = 0; section < sections && out.recordsLeft > 0; ++section) {
        char path[64];
        switch (pick(out.random, 0, 3)) {
        case 0: // scalars straight under the group
            writeLeaves(out, group, pick(out.random, 1, 6));
            break;
        case 1: { // a table: group.xxx_table.xxx_entry.column
            const char* table = pickWord(out.random, TableWords);
            std::snprintf(path, sizeof path, "%s.%s_table%d.%s_entry", group, table, section,
                          table);
            writeLeaves(out, path, pick(out.random, 4, 14));
            break;
        }
        case 2: // one node deep
            std::snprintf(path, sizeof path, "%s.%s%d", group, pickWord(out.random, NodeWords),
                          section);
            writeLeaves(out, path, pick(out.random, 2, 10));
            break;
        default: { // two nodes deep, several siblings at the lower level
            const char* node = pickWord(out.random, NodeWords);
            for (int sub = pick(out.random, 1, 3); sub > 0 && out.recordsLeft > 0; --sub) {
                std::snprintf(path, sizeof path, "%s.%s%d.%s%d", group, node, section,
                              pickWord(out.random, NodeWords), sub);
                writeLeaves(out, path, pick(out.random, 2, 8));
            }
            break;
        }
        }
    }
}

bool parseCount(const char* text, std::uint64_t& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return *text >= '0' && *text <= '9' && *end == '\0';
}

} // namespace

int main(int argc, char** argv) {
    std::uint64_t records = 0;
    std::uint64_t seed = 1;
    if (argc < 2 || argc > 3 || !parseCount(argv[1], records) ||
        (argc == 3 && !parseCount(argv[2], seed))) {
        std::fprintf(stderr, "usage: %s RECORDS [SEED] > file.def\n", argc > 0 ? argv[0] : "");
        return 2;
    }
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    std::printf("# Agent definitions for the whole product line: %" PRIu64 " objects, seed %" PRIu64
                ".\n",
                records, seed);
    std::printf("# Header: enterprise, unit type, version and build.\n");
    std::printf("\n");
    std::printf("Nimbus = 40123\n");
    std::printf("switches = 12\n");
    std::printf("v4 = 4\n");
    std::printf("b2210 = 2210\n");

    Output out{records, 0, Random{seed}};
    for (std::uint64_t group = 1; out.recordsLeft > 0; ++group)
        writeGroup(out, group);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s: write error\n", argv[0]);
        return 1;
    }
    return 0;
}
