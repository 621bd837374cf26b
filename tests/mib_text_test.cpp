// The module text: header chain, node lines, object blocks, footer, type letters and counters.
#include "mib_writer_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace {

TEST(WriteModuleHeader, WritesTheChainAndRootsThePathTable) {
    MibWriterFixture f;
    HeaderValues header{};
    std::strcpy(header.enterpriseName, "acme");
    std::strcpy(header.unitName, "router");
    std::strcpy(header.versionName, "ver");
    std::strcpy(header.buildName, "bld");
    header.enterpriseNumber = 555;
    header.unitNumber = 5;
    header.versionNumber = 2;
    header.buildNumber = 7;
    writeModuleHeader(f.writer, "out.mib", header);
    EXPECT_EQ(f.written(), expected::ModuleHeader);
    EXPECT_EQ(f.counters.nodesAdded, 4);
    EXPECT_EQ(f.paths.openDepth, 1);
    EXPECT_STREQ(f.paths.levels[0].name, "bld");
    EXPECT_EQ(f.paths.levels[0].nextChild, 1);
}

TEST(WriteObjectType, MapsExactlySixLettersToSyntaxes) {
    for (int letter = 0; letter < 256; ++letter) {
        const char c = static_cast<char>(letter);
        const char* syntax = syntaxForTypeLetter(c);
        switch (c) {
        case 'c':
        case 'i':
        case 'l':
            EXPECT_STREQ(syntax, "INTEGER");
            break;
        case 'b':
        case 's':
            EXPECT_STREQ(syntax, "OCTET STRING");
            break;
        case 'q':
            EXPECT_STREQ(syntax, "COUNTER64");
            break;
        default:
            EXPECT_EQ(syntax, nullptr) << "letter " << letter;
        }
    }
}

TEST(WriteObjectType, NumbersChildrenAndCountsWhatItWrites) {
    MibWriterFixture f;
    f.root("bld");
    PathLevel& parent = f.paths.levels[0];
    writeObjectType(f.writer, "up", 2, 'q', parent);
    writeNodeLine(f.writer, "sys", 3, parent);
    EXPECT_EQ(f.written(), expected::objectBlock("up", "COUNTER64", "bld", 1) +
                               expected::nodeLine("sys", "bld", 2));
    EXPECT_EQ(parent.nextChild, 3);
    EXPECT_EQ(f.counters.objectsAdded, 1);
    EXPECT_EQ(f.counters.nodesAdded, 1);
}

TEST(WriteObjectType, ReportsAnUnknownLetterWithTheNumberItWouldGet) {
    MibWriterFixture f;
    f.root("bld");
    PathLevel& parent = f.paths.levels[0];
    parent.nextChild = 4;
    writeObjectType(f.writer, "x-y", 3, 'S', parent);
    EXPECT_EQ(f.consoleText(), "Unknown object type for object x-y, parent bld position 4\r\n");
    EXPECT_EQ(f.written(), "");
    EXPECT_EQ(parent.nextChild, 4);
    EXPECT_EQ(f.counters.objectsAdded, 0);
}

TEST(WriteNodeLine, WritesExtremeNumbersInSignedDecimal) {
    MibWriterFixture f;
    f.root("bld");
    PathLevel& parent = f.paths.levels[0];
    parent.nextChild = INT_MAX;
    writeNodeLine(f.writer, "a", 1, parent);
    writeNodeLine(f.writer, "b", 1, parent); // the child number wraps around
    writeNodeLine(f.writer, "c", 1, parent);
    EXPECT_EQ(f.written(), "a\t\tOBJECT IDENTIFIER ::= { bld 2147483647 }\n"
                           "b\t\tOBJECT IDENTIFIER ::= { bld -2147483648 }\n"
                           "c\t\tOBJECT IDENTIFIER ::= { bld -2147483647 }\n");
}

TEST(MibStream, CarriesTextAcrossBufferFlushesIntact) {
    char path[] = "/tmp/travix-stream-XXXXXX";
    int descriptor = mkstemp(path);
    ASSERT_GE(descriptor, 0);
    static MibStream stream;
    stream.writeFailed = false;
    attachMibStream(stream, fdopen(descriptor, "w"));
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        char* out = beginPiece(stream);
        out = putLiteral(out, "line ");
        out = putNumber(out, i * 7919 - 5000000);
        endPiece(stream, putLiteral(out, "\n"));
        expected += "line " + std::to_string(i * 7919 - 5000000) + "\n";
    }
    closeMibStream(stream);
    EXPECT_FALSE(stream.writeFailed);
    std::string actual;
    if (std::FILE* file = std::fopen(path, "rb")) {
        char chunk[4096];
        std::size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            actual.append(chunk, got);
        std::fclose(file);
    }
    std::remove(path);
    EXPECT_EQ(actual.size(), expected.size());
    EXPECT_TRUE(actual == expected);
}

TEST(WriteModuleFooter, EndsTheModule) {
    MibWriterFixture f;
    writeModuleFooter(f.writer);
    EXPECT_EQ(f.written(), "\nEND\n");
}

} // namespace
