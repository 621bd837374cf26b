// Chunked reading of the definition file and trimming of line ends.
#include "driver/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Reads `bytes` to the end and returns every chunk, each as its bytes (NUL bytes included),
// followed by how reading ended. Checks on the way that a chunk ends in its line feed or is
// followed by a NUL.
struct Chunks {
    std::vector<std::string> lines;
    ChunkResult end;
};

Chunks readAll(const std::string& bytes) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    static LineReader reader;
    attachLineReader(reader, file);
    Chunks chunks{{}, ChunkResult::Line};
    char* text = nullptr;
    std::size_t length = 0;
    while ((chunks.end = readChunk(reader, text, length)) == ChunkResult::Line) {
        EXPECT_TRUE(text[length - 1] == '\n' || text[length] == '\0');
        chunks.lines.emplace_back(text, length);
    }
    std::fclose(file);
    return chunks;
}

TEST(ReadChunk, SplitsAtLineFeedsAndEvery82Characters) {
    const std::string x81(81, 'x'), x82(82, 'x'), y18(18, 'y');
    struct Case {
        const char* what;
        std::string input;
        std::vector<std::string> lines;
    } cases[] = {
        {"LF ends a chunk and is kept", "ab\ncd\n", {"ab\n", "cd\n"}},
        {"last line without line end", "ab\ncd", {"ab\n", "cd"}},
        {"CR LF ends a chunk as LF does", "ab\r\ncd\r\n", {"ab\r\n", "cd\r\n"}},
        {"lone CR is an ordinary character", "a\rb\n", {"a\rb\n"}},
        {"CR at end of input stays", "ab\r", {"ab\r"}},
        {"CR CR LF is one chunk", "a\r\r\n", {"a\r\r\n"}},
        {"81 characters and CR LF arrive whole", x81 + "\r\n", {x81 + "\r\n"}},
        {"82 characters leave CR LF alone", x82 + "\r\n", {x82, "\r\n"}},
        {"81 characters, CR CR LF: the pair is the 83rd", x81 + "\r\r\n", {x81 + "\r", "\r\n"}},
        {"82 characters leave the LF alone", x82 + "\n", {x82, "\n"}},
        {"100 characters come as 82 and 18", x82 + y18 + "\n", {x82, y18 + "\n"}},
        {"NUL counts toward the 82",
         std::string(1, '\0') + x81 + "\n",
         {std::string(1, '\0') + x81, "\n"}},
        {"empty lines are chunks too", "\n\n", {"\n", "\n"}},
        {"empty input has no chunk", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Chunks chunks = readAll(c.input);
        EXPECT_EQ(chunks.lines, c.lines);
        EXPECT_EQ(chunks.end, ChunkResult::EndOfInput);
    }
}

TEST(ReadChunk, TakesCrLfAcrossTheInputBufferBoundaryAsOneLineEnd) {
    // Put a CR as the last byte of the first buffer fill and its LF as the first of the next.
    std::string input;
    while (input.size() + 41 <= InputBufferSize - 1)
        input += std::string(40, 'z') + "\n";
    input += std::string(InputBufferSize - 1 - input.size(), 'w');
    input += "\r\nafter\n";
    Chunks chunks = readAll(input);
    ASSERT_GE(chunks.lines.size(), 2u);
    EXPECT_EQ(chunks.lines.back(), "after\n");
    const std::string& withCrLf = chunks.lines[chunks.lines.size() - 2];
    EXPECT_EQ(withCrLf.substr(withCrLf.size() - 3), "w\r\n");
    for (const std::string& line : chunks.lines) {
        const std::size_t cr = line.find('\r');
        EXPECT_TRUE(cr == std::string::npos || (cr + 2 == line.size() && line.back() == '\n'))
            << line;
    }
}

TEST(ReadChunk, ReportsAFailedReadApartFromTheEnd) {
    // A directory opens for reading on Linux; its first read fails.
    std::FILE* directory = std::fopen("/", "r");
    ASSERT_NE(directory, nullptr);
    static LineReader reader;
    attachLineReader(reader, directory);
    char* text = nullptr;
    std::size_t length = 0;
    EXPECT_EQ(readChunk(reader, text, length), ChunkResult::ReadFailed);
    EXPECT_EQ(readChunk(reader, text, length), ChunkResult::ReadFailed);
    std::fclose(directory);
}

TEST(TrimLineEnd, CutsAtTheFirstCrThenTheFirstLf) {
    struct Case {
        const char* input;
        const char* trimmed;
    } cases[] = {
        {"abc\n", "abc"}, {"abc", "abc"},  {"", ""},     {"\n", ""},         {"a\rb\n", "a"},
        {"ab\r", "ab"},   {"a\nb\r", "a"}, {"\r\n", ""}, {"a b \n", "a b "},
    };
    for (const Case& c : cases) {
        char line[LineBufferSize];
        std::snprintf(line, sizeof line, "%s", c.input);
        EXPECT_EQ(trimLineEnd(line), std::string(c.trimmed).size()) << c.input;
        EXPECT_STREQ(line, c.trimmed);
    }
}

} // namespace
