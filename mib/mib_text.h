// The text of the MIB module: header, node lines, object blocks and footer, and their counts.
#pragma once

#include "mib_stream.h"
#include "run_state.h"

#include <cstddef>
#include <cstdio>

// Every name the writers take is at most MaxLineLength bytes, as is everything taken from a line;
// a node line or an object block thus always fits one piece of the stream.

// What the writers touch besides the stream: the counters, the path table and the console.
struct MibWriter {
    MibStream* stream;
    RunCounters* counters;
    PathTable* paths;
    std::FILE* console; // where an unknown type letter is reported
};

// Writes the module header with its four-level identifier chain and roots the path table at the
// build node.
void writeModuleHeader(MibWriter& writer, const char* mibPath, const HeaderValues& header);

// Writes one intermediate node as the next child of `parent`.
void writeNodeLine(MibWriter& writer, const char* nodeName, std::size_t nodeNameLength,
                   PathLevel& parent);

// Writes one object block as the next child of `parent`, or reports an unknown type letter on
// the console and writes nothing.
void writeObjectType(MibWriter& writer, const char* objectName, std::size_t objectNameLength,
                     char typeLetter, PathLevel& parent);

void writeModuleFooter(MibWriter& writer);

// The SYNTAX text for a type letter, or null for a letter without one.
const char* syntaxForTypeLetter(char typeLetter);
