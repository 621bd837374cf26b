// Scanning of header records ("%s = %d") and object records ("%s = %c, %d").
#include "driver/record_scan.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(ScanHeaderRecord, FillsNameAndNumber) {
    struct Case {
        const char* line;
        int fields;
        const char* name;
        std::int32_t number;
    } cases[] = {
        {"acme = 555", 2, "acme", 555},
        {"  Acme\t=\t555 and more", 2, "Acme", 555}, // white space of any kind, text ignored
        {"acme =555", 2, "acme", 555},
        {"acme\v=\f7", 2, "acme", 7},
        {"acme = -12", 2, "acme", -12},
        {"acme = +7", 2, "acme", 7},
        {"acme = 12abc", 2, "acme", 12},
        {"acme = 2147483647", 2, "acme", INT_MAX},
        {"acme = 2147483648", 2, "acme", INT_MIN}, // wraps instead of overflowing
        {"acme = 4294967851", 2, "acme", 555},     // 2^32 + 555
        {"acme = -4294967296", 2, "acme", 0},
        {"acme = 99999999999999999999", 2, "acme", 1661992959}, // (10^20 - 1) mod 2^32
        {"acme=555", 1, "acme=555", 0},                         // the = is part of the name
        {"acme = x", 1, "acme", 0},
        {"acme = -", 1, "acme", 0},
        {"acme = + 5", 1, "acme", 0},
        {"acme =", 1, "acme", 0},
        {"acme 555 =", 1, "acme", 0},
        {"= 5", 1, "=", 0},
        {"   ", 0, "", 0},
        // The text ends at the first CR or LF, as if the line had been trimmed there.
        {"acme = 5\r\n", 2, "acme", 5},
        {"acme =\r5", 1, "acme", 0},
        {"acme\n= 5", 1, "acme", 0},
        {"\r acme = 5", 0, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        char name[LineBufferSize] = "untouched";
        std::int32_t number = 0;
        EXPECT_EQ(scanHeaderRecord(c.line, name, number), c.fields);
        if (c.fields >= 1) {
            EXPECT_STREQ(name, c.name);
        }
        if (c.fields == 2) {
            EXPECT_EQ(number, c.number);
        }
    }
}

TEST(ScanObjectRecord, FillsPathLetterAndNumber) {
    struct Case {
        const char* line;
        int fields;
        const char* name;
        char letter;
        std::int32_t number;
    } cases[] = {
        {"sys.name = s, 1", 3, "sys.name", 's', 1},
        {"a.b = s, 1 trailing words", 3, "a.b", 's', 1},
        {"a.c = s, -3", 3, "a.c", 's', -3},
        {"a.b =s,1", 3, "a.b", 's', 1},
        {"\ta.b\t=\tS,\t4294967297", 3, "a.b", 'S', 1},
        {"a.b = =, 1", 3, "a.b", '=', 1}, // any character is a letter
        {"a.b = s", 2, "a.b", 's', 0},
        {"a.b = s ,1", 2, "a.b", 's', 0},
        {"a.b = s, x", 2, "a.b", 's', 0},
        {"a.b = ,1", 2, "a.b", ',', 0},
        {"a.b= s, 1", 1, "a.b=", 0, 0},
        {"a.b =", 1, "a.b", 0, 0},
        {"a.b s, 1", 1, "a.b", 0, 0},
        {"a.b\x01\x7f\xff = s, 1", 3, "a.b\x01\x7f\xff", 's', 1}, // control and high bytes
        // The text ends at the first CR or LF, as if the line had been trimmed there.
        {"a.b = s, 12\r\n", 3, "a.b", 's', 12},
        {"a.b = s,\r5", 2, "a.b", 's', 0},
        {"a.b = s, \n5", 2, "a.b", 's', 0},
        {"a.b = \rs, 1", 1, "a.b", 0, 0},
        {"a.b\r= s, 1", 1, "a.b", 0, 0},
        {"\na.b = s, 1", 0, "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ScannedWord name{nullptr, 0};
        char letter = 0;
        std::int32_t number = 0;
        EXPECT_EQ(scanObjectRecord(c.line, name, letter, number), c.fields);
        EXPECT_EQ(std::string(name.start, name.length), c.name);
        if (c.fields >= 2) {
            EXPECT_EQ(letter, c.letter);
        }
        if (c.fields == 3) {
            EXPECT_EQ(number, c.number);
        }
    }
}

TEST(ScanObjectRecord, TakesAWordAsLongAsTheLine) {
    const std::string path(MaxLineLength - 5, 'p');
    const std::string line = path + " =s,1";
    ScannedWord name{nullptr, 0};
    char letter = 0;
    std::int32_t number = 0;
    ASSERT_EQ(line.size(), static_cast<std::size_t>(MaxLineLength));
    EXPECT_EQ(scanObjectRecord(line.c_str(), name, letter, number), 3);
    EXPECT_EQ(std::string(name.start, name.length), path);

    // A word that fills the whole line is taken whole, in place.
    const std::string word(MaxLineLength, 'w');
    EXPECT_EQ(scanObjectRecord(word.c_str(), name, letter, number), 1);
    EXPECT_EQ(name.start, word.c_str());
    EXPECT_EQ(name.length, word.size());

    // A header name is copied; one longer than any line is cut to fit and still terminated.
    const std::string longer(2 * LineBufferSize, 'h');
    char headerName[LineBufferSize];
    EXPECT_EQ(scanHeaderRecord((longer + " = 1").c_str(), headerName, number), 2);
    EXPECT_EQ(std::string(headerName), longer.substr(0, MaxLineLength));
}

} // namespace
