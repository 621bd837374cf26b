// The conversion rules, one after the other, in plain string code: chunks of at most 82
// characters with CR LF folded, trimming, the two record formats, the header sequence, placement
// on the open branch and the module text.
#include "reference_model.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

const std::size_t ChunkLength = 82;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::string lowered(std::string text) {
    for (char& c : text)
        c = lower(c);
    return text;
}

bool sameIgnoringCase(const std::string& left, const std::string& right) {
    return lowered(left) == lowered(right);
}

std::string decimal(std::int32_t number) {
    return std::to_string(number);
}

std::int32_t plusOne(std::int32_t number) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number) + 1u);
}

// Formatted-input scanning of one trimmed line, field by field.
struct Scanner {
    const std::string& text;
    std::size_t at;

    void skipBlanks() {
        while (at < text.size() && isBlank(text[at]))
            ++at;
    }
    bool word(std::string& out) {
        skipBlanks();
        std::size_t start = at;
        while (at < text.size() && !isBlank(text[at]))
            ++at;
        out = text.substr(start, at - start);
        return !out.empty();
    }
    bool literal(char expected) {
        if (at < text.size() && text[at] == expected) {
            ++at;
            return true;
        }
        return false;
    }
    // A blank in a format string, then a character: " =".
    bool blanksThen(char expected) {
        skipBlanks();
        return literal(expected);
    }
    bool number(std::int32_t& out) {
        skipBlanks();
        bool negative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            negative = text[at++] == '-';
        if (at >= text.size() || text[at] < '0' || text[at] > '9')
            return false;
        std::uint32_t value = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            value = value * 10u + static_cast<std::uint32_t>(text[at++] - '0');
        out = static_cast<std::int32_t>(negative ? 0u - value : value);
        return true;
    }
};

// "%s = %d"
int scanHeader(const std::string& line, std::string& name, std::int32_t& number) {
    Scanner scan{line, 0};
    if (!scan.word(name))
        return 0;
    if (!scan.blanksThen('='))
        return 1;
    return scan.number(number) ? 2 : 1;
}

// "%s = %c, %d"
int scanObject(const std::string& line, std::string& name, char& letter) {
    Scanner scan{line, 0};
    if (!scan.word(name))
        return 0;
    if (!scan.blanksThen('='))
        return 1;
    scan.skipBlanks();
    if (scan.at >= line.size())
        return 1;
    letter = line[scan.at++];
    std::int32_t number = 0;
    if (!scan.literal(',') || !scan.number(number))
        return 2;
    return 3;
}

struct Level {
    std::string name;
    std::int32_t nextChild;
};

struct Model {
    std::string console;
    bool mibExists = false;
    bool streamHeld = false;
    std::string mib;
    std::int32_t lines = 0;
    std::int32_t nodes = 0;
    std::int32_t objects = 0;
    std::vector<Level> branch; // the open branch; branch[0] is the build node

    void identifier(const std::string& name, const std::string& parent, std::int32_t number) {
        mib += name + "\t\tOBJECT IDENTIFIER ::= { " + parent + " " + decimal(number) + " }\n";
        nodes = plusOne(nodes);
    }

    void object(const std::string& name, char letter, Level& parent) {
        std::string syntax;
        if (letter == 'c' || letter == 'i' || letter == 'l')
            syntax = "INTEGER";
        else if (letter == 'b' || letter == 's')
            syntax = "OCTET STRING";
        else if (letter == 'q')
            syntax = "COUNTER64";
        if (syntax.empty()) {
            console += "Unknown object type for object " + name + ", parent " + parent.name +
                       " position " + decimal(parent.nextChild) + "\r\n";
            return;
        }
        const std::int32_t number = parent.nextChild;
        parent.nextChild = plusOne(parent.nextChild);
        mib += name + " OBJECT-TYPE\n\tSYNTAX " + syntax +
               "\n\tMAX-ACCESS read-write\n\tSTATUS current\n\t::= { " + parent.name + " " +
               decimal(number) + " }\n";
        objects = plusOne(objects);
    }

    void place(const std::string& path, char letter) {
        std::vector<std::string> chained;
        std::string component;
        auto chain = [&]() {
            for (char& c : component)
                if (c == '_')
                    c = '-';
            const std::string prefix = chained.empty() ? std::string() : chained.back();
            chained.push_back(prefix.empty() ? component : prefix + "-" + component);
            component.clear();
        };
        for (char c : path) {
            if (c == '.')
                chain();
            else
                component += c;
        }
        chain();
        for (std::size_t depth = 1; depth <= chained.size(); ++depth) {
            const std::string& name = chained[depth - 1];
            if (depth < branch.size() && sameIgnoringCase(name, branch[depth].name))
                continue;
            if (depth == chained.size()) {
                object(name, letter, branch[depth - 1]);
                return;
            }
            branch.resize(depth + 1);
            Level& parent = branch[depth - 1];
            identifier(name, parent.name, parent.nextChild);
            parent.nextChild = plusOne(parent.nextChild);
            branch[depth] = Level{name, 1};
        }
    }
};

// The next chunk of `input` from `at`, with CR LF taken as LF; empty at the end of input.
std::string nextChunk(const std::string& input, std::size_t& at) {
    std::string chunk;
    while (chunk.size() < ChunkLength && at < input.size()) {
        char c = input[at++];
        if (c == '\r' && at < input.size() && input[at] == '\n') {
            ++at;
            c = '\n';
        }
        chunk += c;
        if (c == '\n')
            break;
    }
    return chunk;
}

std::string trimmed(const std::string& chunk) {
    std::string text = chunk.substr(0, chunk.find('\0'));
    text = text.substr(0, text.find('\r'));
    return text.substr(0, text.find('\n'));
}

} // namespace

ModelOutcome modelConversion(const std::string& definitions, const std::string& mibPath,
                             bool mibRefused) {
    Model run;
    run.console = "Working...\r\n";
    std::string names[4];
    std::int32_t numbers[4] = {0, 0, 0, 0};
    int headerRecords = 0;
    auto openMib = [&]() {
        if (mibRefused) {
            run.console += "Can't open " + mibPath + " for writing\r\n";
            return false;
        }
        run.mibExists = true;
        run.streamHeld = true;
        run.mib.clear();
        return true;
    };

    std::size_t at = 0;
    for (;;) {
        const std::string chunk = nextChunk(definitions, at);
        if (chunk.empty())
            break;
        const std::string line = trimmed(chunk);
        const bool hasEquals = line.find('=') != std::string::npos;
        if (headerRecords == 4) {
            if (!hasEquals) {
                run.console +=
                    "Execution stopped at line " + decimal(run.lines) + " '" + line + "'\r\n";
                break;
            }
            std::string path;
            char letter = '\0';
            const int fields = scanObject(line, path, letter);
            if (fields != 3) {
                run.console += "error scanning line [" + line + "] and result is " +
                               std::to_string(fields) + "\r\n";
                break;
            }
            run.place(path, letter);
            run.lines = plusOne(run.lines);
            continue;
        }
        if (!hasEquals) {
            run.console += "Ignoring line '" + line + "'\r\n";
            continue;
        }
        static const char* const failures[4] = {
            "\r\nError retrieving Enterprise Number from [", "Error retrieving Unit Number from [",
            "Error retrieving Version Number from [", "Error retrieving Build Number from ["};
        std::string& name = names[headerRecords];
        if (scanHeader(line, name, numbers[headerRecords]) < 2) {
            run.console += failures[headerRecords] + line + (headerRecords == 0 ? "]" : "]\r\n");
            break;
        }
        if (headerRecords == 1 && sameIgnoringCase(name, names[0])) {
            run.console += "Enterprise Name and Unit Type strings are the same [" + names[0] +
                           "].\r\nPlease re-configure the Enterprise Name.\r\n";
            break;
        }
        name = lowered(name);
        ++headerRecords;
        if (headerRecords == 2 && !openMib())
            break;
        if (headerRecords == 4) {
            run.streamHeld = false;
            if (!openMib())
                break;
            run.mib = "--file: " + mibPath +
                      "\n--Generated by travix\nZORVEN DEFINITIONS ::= BEGIN\n"
                      "IMPORTS\n\tenterprises\n\t\tFROM RFC1155-SMI;\n-- Define OIDs\n";
            run.identifier(names[0], "enterprises", numbers[0]);
            run.identifier(names[1], names[0], numbers[1]);
            run.identifier(names[2], names[1], numbers[2]);
            run.identifier(names[3], names[2], numbers[3]);
            run.branch.assign(1, Level{names[3], 1});
        }
    }
    if (run.streamHeld)
        run.mib += "\nEND\n";
    run.console += "Lines processed: " + decimal(run.lines) +
                   "\r\nNodes added:     " + decimal(run.nodes) +
                   "\r\nObjects Added:   " + decimal(run.objects) +
                   "\r\nOutput filename: " + mibPath + "\r\nDone.\r\n";
    return ModelOutcome{run.console, run.mibExists, run.mib};
}
