// Fuzz target for the whole conversion: arbitrary bytes become the definition file, the run goes
// in process, and what it leaves on the console and in the MIB file must keep the module's rules
// whatever the input. A broken rule aborts with a description, which the fuzzer reports as a crash.
//
// Besides these rules, the console and the MIB file must equal what a plain second rendering of
// the conversion rules (reference_model.cpp) makes of the same input.
//
// Each input is converted three times: twice into a fresh MIB file (the two runs must agree byte
// for byte, so nothing survives from one run into the next) and once with the MIB path naming the
// definition file itself, by its own path, a symlink or a hard link (the file must stay intact).
#include "../driver/conversion.h"
#include "reference_model.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Shows control and non-ASCII bytes, so a report of a broken rule is readable.
std::string escaped(const std::string& bytes) {
    std::string shown;
    for (unsigned char c : bytes) {
        if (c == '\n') {
            shown += "\\n\n";
        } else if (c == '\\') {
            shown += "\\\\";
        } else if (c < 0x20 || c >= 0x7f) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            shown += hex;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

[[noreturn]] void fail(const char* rule, const std::string& detail) {
    std::fprintf(stderr, "\ntravix rule broken: %s\n----\n%s\n----\n", rule,
                 escaped(detail).c_str());
    std::abort();
}

void require(bool holds, const char* rule, const std::string& detail) {
    if (!holds)
        fail(rule, detail);
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A name as the MIB writes it: possibly empty, never holding white space.
bool isName(const std::string& name) {
    return name.find_first_of(" \t\n\v\f\r") == std::string::npos;
}

// An optionally signed decimal that fits 32 bits, written without leading zeros.
bool parseNumber(const std::string& text, long long& number) {
    std::size_t digits = text.compare(0, 1, "-") == 0 ? 1 : 0;
    if (text.size() == digits || text.size() > digits + 10)
        return false;
    if (text.find_first_not_of("0123456789", digits) != std::string::npos)
        return false;
    if (text.size() > digits + 1 && text[digits] == '0')
        return false;
    number = std::strtoll(text.c_str(), nullptr, 10);
    return number >= INT32_MIN && number <= INT32_MAX && !(digits == 1 && number == 0);
}

struct Workspace {
    std::string directory;
    std::string definitionPath;
    std::string mibPath;
    std::string symlinkPath;  // a symlink to the definition file
    std::string hardLinkPath; // a second name of the definition file
};

const Workspace* activeWorkspace = nullptr;

void removeWorkspace() {
    if (activeWorkspace == nullptr)
        return;
    unlink(activeWorkspace->mibPath.c_str());
    unlink(activeWorkspace->symlinkPath.c_str());
    unlink(activeWorkspace->hardLinkPath.c_str());
    unlink(activeWorkspace->definitionPath.c_str());
    rmdir(activeWorkspace->directory.c_str());
}

Workspace makeWorkspace() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/travix-fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr)
        fail("cannot create the fuzzing directory", pattern);
    Workspace space;
    space.directory = pattern;
    space.definitionPath = pattern + "/input.def";
    space.mibPath = pattern + "/out.mib";
    space.symlinkPath = pattern + "/symlink.mib";
    space.hardLinkPath = pattern + "/hardlink.mib";
    std::FILE* file = std::fopen(space.definitionPath.c_str(), "wb");
    if (file == nullptr || std::fclose(file) != 0 ||
        symlink("input.def", space.symlinkPath.c_str()) != 0 ||
        link(space.definitionPath.c_str(), space.hardLinkPath.c_str()) != 0)
        fail("cannot set up the fuzzing directory", pattern);
    return space;
}

const Workspace& workspace() {
    static const Workspace space = makeWorkspace();
    if (activeWorkspace == nullptr) {
        activeWorkspace = &space;
        std::atexit(removeWorkspace);
    }
    return space;
}

bool readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return true;
}

// Rewrites the definition file in place, keeping its inode so the hard link still names it.
void writeDefinitionFile(const Workspace& space, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(space.definitionPath.c_str(), "wb");
    if (file == nullptr || (size > 0 && std::fwrite(data, 1, size, file) != size) ||
        std::fclose(file) != 0)
        fail("cannot write the definition file", space.definitionPath);
}

struct Outcome {
    int status;
    std::string console;
    bool mibExists;
    std::string mib;
};

Outcome convert(const Workspace& space, const std::string& mibPath) {
    char* consoleBytes = nullptr;
    std::size_t consoleSize = 0;
    std::FILE* console = open_memstream(&consoleBytes, &consoleSize);
    if (console == nullptr)
        fail("cannot open the console stream", "");
    std::string program = "travix";
    std::string definitionArgument = space.definitionPath;
    std::string mibArgument = mibPath;
    char* argv[] = {&program[0], &definitionArgument[0], &mibArgument[0], nullptr};

    Outcome outcome;
    outcome.status = runConversion(3, argv, console);
    std::fclose(console);
    outcome.console.assign(consoleBytes, consoleSize);
    std::free(consoleBytes);
    outcome.mibExists = readFile(mibPath, outcome.mib);
    return outcome;
}

struct Summary {
    int linesProcessed;
    int nodesAdded;
    int objectsAdded;
    int unknownTypeMessages;
};

// The console: banner, "Working...", messages each on a line of their own, then the summary.
Summary checkConsole(const Outcome& run, const std::string& mibPath) {
    const std::string& console = run.console;
    require(run.status == 0, "exit status is 0", std::to_string(run.status));
    const std::string bannerStart = "\r\nTRAVIX Ver 2.10  ";
    const std::size_t dateAndTime = 20; // "May 21 2012 11:10:30"
    require(startsWith(console, bannerStart) && console.compare(bannerStart.size() + dateAndTime,
                                                                3 + 12, " \r\nWorking...\r\n") == 0,
            "console starts with the banner and Working...", console);

    const std::size_t summaryStart = console.rfind("Lines processed: ");
    require(summaryStart != std::string::npos, "a summary is printed", console);
    Summary summary{0, 0, 0, 0};
    require(std::sscanf(console.c_str() + summaryStart,
                        "Lines processed: %d\r\nNodes added: %d\r\nObjects Added: %d",
                        &summary.linesProcessed, &summary.nodesAdded, &summary.objectsAdded) == 3,
            "the summary holds three counters", console);
    char expected[256];
    std::snprintf(expected, sizeof expected,
                  "Lines processed: %d\r\nNodes added:     %d\r\nObjects Added:   %d\r\n"
                  "Output filename: ",
                  summary.linesProcessed, summary.nodesAdded, summary.objectsAdded);
    require(console.compare(summaryStart, std::string::npos,
                            std::string(expected) + mibPath + "\r\nDone.\r\n") == 0,
            "the console ends with the summary, exactly", console.substr(summaryStart));

    // Messages echo at most one line's text, which holds no CR or LF, so a console line that
    // starts with a message's text is that message and not an echo.
    for (std::size_t start = 0; start < summaryStart;) {
        std::size_t end = console.find("\r\n", start);
        if (end == std::string::npos || end > summaryStart)
            end = summaryStart;
        const std::string line = console.substr(start, end - start);
        if (startsWith(line, "Unknown object type for object "))
            ++summary.unknownTypeMessages;
        require(!startsWith(line, "Error writing ") && !startsWith(line, "Error reading "),
                "no write or read error on a plain temporary file", console);
        start = end + 2;
    }
    return summary;
}

// Splits the MIB body into lines; each must end with a line feed.
std::vector<std::string> bodyLines(const std::string& body, const std::string& mib) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < body.size()) {
        std::size_t end = body.find('\n', start);
        require(end != std::string::npos, "every MIB line ends with a line feed", mib);
        lines.push_back(body.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

struct Assignment {
    std::string name;
    std::string parent;
    long long number;
};

// "{ parent number }" as the last part of an identifier line or an object block.
bool parseReference(const std::string& text, Assignment& assignment) {
    if (!startsWith(text, "{ ") || !endsWith(text, " }"))
        return false;
    const std::string inner = text.substr(2, text.size() - 4);
    const std::size_t blank = inner.rfind(' ');
    if (blank == std::string::npos)
        return false;
    assignment.parent = inner.substr(0, blank);
    return isName(assignment.parent) && parseNumber(inner.substr(blank + 1), assignment.number);
}

// "name\t\tOBJECT IDENTIFIER ::= { parent number }"
bool parseIdentifierLine(const std::string& line, Assignment& assignment) {
    const std::string middle = "\t\tOBJECT IDENTIFIER ::= ";
    const std::size_t at = line.find('\t');
    if (at == std::string::npos || line.compare(at, middle.size(), middle) != 0)
        return false;
    assignment.name = line.substr(0, at);
    return isName(assignment.name) && parseReference(line.substr(at + middle.size()), assignment);
}

bool isObjectBlockStart(const std::string& line) {
    return endsWith(line, " OBJECT-TYPE") && isName(line.substr(0, line.size() - 12));
}

// The MIB file: absent, only the footer, or header, body and footer, with counts matching the
// summary.
void checkMibFile(const Outcome& run, const std::string& mibPath, const Summary& summary) {
    const std::string& mib = run.mib;
    const bool nothingCounted =
        summary.linesProcessed == 0 && summary.nodesAdded == 0 && summary.objectsAdded == 0;
    if (!run.mibExists || mib == "\nEND\n") {
        require(nothingCounted, "no module written, nothing counted", run.console);
        return;
    }
    const std::string header = "--file: " + mibPath +
                               "\n--Generated by travix\n"
                               "ZORVEN DEFINITIONS ::= BEGIN\n"
                               "IMPORTS\n\tenterprises\n\t\tFROM RFC1155-SMI;\n"
                               "-- Define OIDs\n";
    require(startsWith(mib, header), "the MIB file starts with the module header", mib);
    require(endsWith(mib, "\nEND\n") && mib.size() >= header.size() + 5,
            "the MIB file ends with the footer", mib);
    const std::vector<std::string> lines =
        bodyLines(mib.substr(header.size(), mib.size() - header.size() - 5), mib);

    // The four header identifiers chain up from enterprises; their names are lower case.
    require(lines.size() >= 4, "the module header has four identifier lines", mib);
    std::set<std::string> nodeNames;
    std::string parent = "enterprises";
    for (std::size_t i = 0; i < 4; ++i) {
        Assignment assignment;
        require(parseIdentifierLine(lines[i], assignment) && assignment.parent == parent,
                "a header identifier line hangs below the one before it", mib);
        require(assignment.name.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos,
                "header names are lower case", mib);
        parent = assignment.name;
    }
    nodeNames.insert(parent); // the build node roots the body

    int identifierLines = 4;
    int objectBlocks = 0;
    for (std::size_t i = 4; i < lines.size(); ++i) {
        Assignment assignment;
        if (parseIdentifierLine(lines[i], assignment)) {
            require(nodeNames.count(assignment.parent) == 1 && assignment.number >= 1,
                    "a node line hangs below a node written before it, numbered from 1", mib);
            nodeNames.insert(assignment.name);
            ++identifierLines;
            continue;
        }
        require(isObjectBlockStart(lines[i]) && i + 4 < lines.size(),
                "a body line is a node line or starts an object block", mib);
        require(lines[i + 1] == "\tSYNTAX INTEGER" || lines[i + 1] == "\tSYNTAX OCTET STRING" ||
                    lines[i + 1] == "\tSYNTAX COUNTER64",
                "an object block has a known syntax", mib);
        require(lines[i + 2] == "\tMAX-ACCESS read-write" && lines[i + 3] == "\tSTATUS current" &&
                    startsWith(lines[i + 4], "\t::= ") &&
                    parseReference(lines[i + 4].substr(5), assignment),
                "an object block is well formed", mib);
        require(nodeNames.count(assignment.parent) == 1 && assignment.number >= 1,
                "an object hangs below a node written before it, numbered from 1", mib);
        ++objectBlocks;
        i += 4;
    }
    require(summary.nodesAdded == identifierLines, "nodes added equals the identifier lines",
            run.console + "\n" + mib);
    require(summary.objectsAdded == objectBlocks, "objects added equals the object blocks",
            run.console + "\n" + mib);
    require(summary.linesProcessed >= objectBlocks + summary.unknownTypeMessages,
            "every object block and unknown type comes from a processed line",
            run.console + "\n" + mib);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Workspace& space = workspace();
    writeDefinitionFile(space, data, size);
    const std::string definition(reinterpret_cast<const char*>(data), size);

    unlink(space.mibPath.c_str());
    const Outcome first = convert(space, space.mibPath);
    const Summary summary = checkConsole(first, space.mibPath);
    checkMibFile(first, space.mibPath, summary);

    // The rules once more, rendered independently: the run must match them byte for byte.
    const std::size_t bannerLength = 42; // "\r\nTRAVIX Ver 2.10  May 21 2012 11:10:30 \r\n"
    const ModelOutcome model = modelConversion(definition, space.mibPath, false);
    require(first.console.compare(bannerLength, std::string::npos, model.console) == 0,
            "the console matches the rules", first.console + "\n---- expected:\n" + model.console);
    require(first.mibExists == model.mibExists && first.mib == model.mib,
            "the MIB file matches the rules", first.mib + "\n---- expected:\n" + model.mib);

    unlink(space.mibPath.c_str());
    const Outcome second = convert(space, space.mibPath);
    require(second.console == first.console && second.mibExists == first.mibExists &&
                second.mib == first.mib,
            "a second run of the same input gives the same console and MIB file",
            first.console + "\n----\n" + second.console);

    // The same file under another name: refused at its opening, the definition file untouched.
    const std::string* sameFile[] = {&space.definitionPath, &space.symlinkPath,
                                     &space.hardLinkPath};
    const std::string& mibPath = *sameFile[size % 3];
    const Outcome same = convert(space, mibPath);
    const Summary sameSummary = checkConsole(same, mibPath);
    const ModelOutcome refused = modelConversion(definition, mibPath, true);
    require(same.console.compare(bannerLength, std::string::npos, refused.console) == 0,
            "the console of a refused MIB file matches the rules",
            same.console + "\n---- expected:\n" + refused.console);
    require(same.mibExists && same.mib == definition, "the definition file stays intact",
            mibPath + "\n" + same.console);
    require(sameSummary.linesProcessed == 0 && sameSummary.nodesAdded == 0 &&
                sameSummary.objectsAdded == 0,
            "a refused MIB file counts nothing", same.console);
    return 0;
}
