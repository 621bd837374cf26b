// Black-box fault cases: hostile files, paths and devices. Whatever travix is given, it prints a
// clear message or writes a correct MIB, ends with status 0 and never damages the definition file.
#include "expected_text.h"
#include "travix_process.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace expected;

std::string repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

class Fault : public testing::Test {
  protected:
    void SetUp() override {
        scratch = makeScratchDirectory();
        ASSERT_FALSE(scratch.empty());
    }
    void TearDown() override {
        // Give back permissions taken away by a case, so the scratch folder can be removed.
        chmod(scratch.c_str(), 0755);
        chmod(path("readonly").c_str(), 0755);
        removeTree(scratch);
    }
    std::string path(const std::string& name) const { return scratch + "/" + name; }
    TravixRun convert(const std::string& definitions, const std::string& mibPath = "out.mib") {
        writeFileBytes(path("input.def"), definitions);
        return runTravix({"input.def", mibPath}, scratch);
    }
    std::string scratch;
};

// Write errors surface after the MIB file is closed, before the summary; the counters still count
// what was formatted. The long run fails while converting (the buffer fills many times), the short
// ones only when the file is closed.
TEST_F(Fault, WritingIntoAFullDeviceIsReported) {
    std::string manyRecords;
    for (int i = 1; i <= 5000; ++i)
        manyRecords += "sys.value_" + std::to_string(i) + " = i, " + std::to_string(i) + "\n";
    struct Case {
        const char* what;
        std::string definitions;
        std::string messages;
    } cases[] = {
        {"objects", Header + "sys.name = s, 1\nsys.uptime = q, 2\n", summary(2, 5, 2, "/dev/full")},
        {"only the footer", "acme = 555\nrouter = 5\n", summary(0, 0, 0, "/dev/full")},
        {"more than a buffer", Header + manyRecords, summary(5000, 5, 5000, "/dev/full")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TravixRun run = convert(c.definitions, "/dev/full");
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.console, Working + "Error writing /dev/full\r\n" + c.messages);
    }
}

TEST_F(Fault, DefinitionFileThatIsADirectoryIsAReadError) {
    ASSERT_EQ(mkdir(path("defs").c_str(), 0755), 0);
    TravixRun run = runTravix({"defs", "out.mib"}, scratch);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.console, Working + "Error reading defs\r\n" + summary(0, 0, 0, "out.mib"));
    EXPECT_FALSE(fileExists(path("out.mib")));
}

// A MIB path naming the definition file, by any name, is refused at the unit record; the
// definition file stays byte for byte as it was.
TEST_F(Fault, MibPathNamingTheDefinitionFileIsRefused) {
    const std::string definitions = Header + "sys.name = s, 1\n";
    writeFileBytes(path("input.def"), definitions);
    ASSERT_EQ(symlink("input.def", path("symlink.mib").c_str()), 0);
    ASSERT_EQ(link(path("input.def").c_str(), path("hardlink.mib").c_str()), 0);
    for (const char* mibPath : {"input.def", "./input.def", "symlink.mib", "hardlink.mib"}) {
        SCOPED_TRACE(mibPath);
        TravixRun run = runTravix({"input.def", mibPath}, scratch);
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.console, Working + "Can't open " + mibPath + " for writing\r\n" +
                                   summary(0, 0, 0, mibPath));
        EXPECT_EQ(readFileBytes(path("input.def")), definitions);
    }
}

TEST_F(Fault, MibFileThatCannotBeCreatedEndsTheRun) {
    writeFileBytes(path("input.def"), Header + "sys.name = s, 1\n");
    std::vector<std::string> mibPaths = {"missing/out.mib", "input.def/out.mib"};
    // Root may write into any folder, so a folder without write permission stops only others.
    if (geteuid() != 0) {
        ASSERT_EQ(mkdir(path("readonly").c_str(), 0555), 0);
        mibPaths.push_back("readonly/out.mib");
    }
    for (const std::string& mibPath : mibPaths) {
        SCOPED_TRACE(mibPath);
        TravixRun run = runTravix({"input.def", mibPath}, scratch);
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.console, Working + "Can't open " + mibPath + " for writing\r\n" +
                                   summary(0, 0, 0, mibPath));
        EXPECT_FALSE(fileExists(path(mibPath)));
    }
}

TEST_F(Fault, DefinitionFileWithoutReadPermissionCannotBeOpened) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads files without read permission";
    writeFileBytes(path("input.def"), Header);
    ASSERT_EQ(chmod(path("input.def").c_str(), 0), 0);
    TravixRun run = runTravix({"input.def", "out.mib"}, scratch);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.console, Banner + "Can't open input.def for reading\r\n");
    EXPECT_FALSE(fileExists(path("out.mib")));
}

// Files cut off in the middle of a line: the last partial line is taken like any other.
TEST_F(Fault, FilesThatEndInTheMiddleOfALine) {
    const std::string sysNode = nodeLine("sys", "bld", 1);
    const std::string sysName = objectBlock("sys-name", "OCTET STRING", "sys", 1);
    struct Case {
        const char* what;
        std::string definitions;
        std::string console;
        std::string mib;
    } cases[] = {
        {"complete object record", Header + "sys.name = s, 1\nsys.uptime = q, 2",
         Working + summary(2, 5, 2, "out.mib"),
         ModuleHeader + sysNode + sysName + objectBlock("sys-uptime", "COUNTER64", "sys", 2) +
             Footer},
        {"object record without its number", Header + "sys.name = s, 1\nsys.uptime = q,",
         Working + "error scanning line [sys.uptime = q,] and result is 2\r\n" +
             summary(1, 5, 1, "out.mib"),
         ModuleHeader + sysNode + sysName + Footer},
        {"build record without its number", "acme = 555\nrouter = 5\nver = 2\nbld =",
         Working + "Error retrieving Build Number from [bld =]\r\n" + summary(0, 0, 0, "out.mib"),
         Footer},
        {"build record without its \"=\"", "acme = 555\nrouter = 5\nver = 2\nbld",
         Working + "Ignoring line 'bld'\r\n" + summary(0, 0, 0, "out.mib"), Footer},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TravixRun run = convert(c.definitions);
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.console, c.console);
        EXPECT_EQ(readFileBytes(path("out.mib")), c.mib);
    }
}

// One million characters without a line end arrive as chunks of 82 (1000000 = 12195 * 82 + 10).
TEST_F(Fault, MillionCharactersWithoutALineEnd) {
    const std::string million(1000000, 'x');
    const std::string chunk(82, 'x');

    TravixRun beforeHeader = convert(million);
    EXPECT_EQ(beforeHeader.exitStatus, 0);
    EXPECT_EQ(beforeHeader.console, Working + repeated("Ignoring line '" + chunk + "'\r\n", 12195) +
                                        "Ignoring line 'xxxxxxxxxx'\r\n" +
                                        summary(0, 0, 0, "out.mib"));
    EXPECT_FALSE(fileExists(path("out.mib")));

    TravixRun afterHeader = convert(Header + million);
    EXPECT_EQ(afterHeader.exitStatus, 0);
    EXPECT_EQ(afterHeader.console, Working + "Execution stopped at line 0 '" + chunk + "'\r\n" +
                                       summary(0, 4, 0, "out.mib"));
    EXPECT_EQ(readFileBytes(path("out.mib")), ModuleHeader + Footer);
}

TEST_F(Fault, EmptyFileAndFileOfOnlyEquals) {
    TravixRun empty = convert("");
    EXPECT_EQ(empty.exitStatus, 0);
    EXPECT_EQ(empty.console, Working + summary(0, 0, 0, "out.mib"));
    EXPECT_FALSE(fileExists(path("out.mib")));

    // The enterprise message has no line end of its own: the summary follows on its line.
    TravixRun equals = convert("=");
    EXPECT_EQ(equals.exitStatus, 0);
    EXPECT_EQ(equals.console, Working + "\r\nError retrieving Enterprise Number from [=]" +
                                  summary(0, 0, 0, "out.mib"));
    EXPECT_FALSE(fileExists(path("out.mib")));
}

// A path of nothing but dots, as long as a line allows: 78 empty components, 77 nodes with empty
// names and an object with an empty name. Its line end then arrives alone and ends the run.
TEST_F(Fault, PathOfNothingButDots) {
    const std::string record = std::string(77, '.') + " =s,1";
    ASSERT_EQ(record.size(), 82u);
    std::string body = nodeLine("", "bld", 1);
    for (int depth = 2; depth <= 77; ++depth)
        body += nodeLine("", "", 1);
    body += objectBlock("", "OCTET STRING", "", 1);

    TravixRun run = convert(Header + record + "\n");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.console,
              Working + "Execution stopped at line 1 ''\r\n" + summary(1, 81, 1, "out.mib"));
    EXPECT_EQ(readFileBytes(path("out.mib")), ModuleHeader + body + Footer);
}

// Line ends read the same wherever they fall against the reader's 64 KiB blocks: with padding of
// every length in front, some CR LF pair and some lone CR straddle the edge of the first block.
TEST_F(Fault, LineEndsReadTheSameAcrossReadBlocks) {
    auto definitions = [](std::size_t padding, const std::string& lineEnd) {
        std::string text = std::string(padding, '#') + "\n" + Header;
        for (int i = 10000; i < 14000; ++i)
            text += "o.n" + std::to_string(i) + " = s, 1" + lineEnd;
        return text;
    };
    for (std::size_t padding = 1; padding <= 19; ++padding) {
        SCOPED_TRACE("padding " + std::to_string(padding));
        TravixRun plain = convert(definitions(padding, "\n"));
        const std::string plainMib = readFileBytes(path("out.mib"));
        const std::string done = summary(4000, 5, 4000, "out.mib");
        ASSERT_GE(plain.console.size(), done.size());
        ASSERT_EQ(plain.console.substr(plain.console.size() - done.size()), done);
        for (const char* lineEnd : {"\r\n", "\rZ\r\n"}) {
            ASSERT_GT(definitions(padding, lineEnd).size(), 65536u);
            TravixRun run = convert(definitions(padding, lineEnd));
            EXPECT_EQ(run.console, plain.console);
            EXPECT_EQ(readFileBytes(path("out.mib")), plainMib);
        }
    }
}

// Stray bytes of every value, before and after a complete header: the run ends normally with the
// summary, and the definition file is left as it was.
TEST_F(Fault, StrayBytesEndWithTheSummary) {
    std::string noise;
    std::uint32_t state = 2026;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525u + 1013904223u;
        noise += static_cast<char>(state >> 24);
    }
    for (const std::string& definitions : {noise, Header + noise}) {
        TravixRun run = convert(definitions);
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.console.compare(0, Working.size(), Working), 0);
        const std::string done = "Output filename: out.mib\r\nDone.\r\n";
        ASSERT_GE(run.console.size(), done.size());
        EXPECT_EQ(run.console.substr(run.console.size() - done.size()), done);
        EXPECT_EQ(readFileBytes(path("input.def")), definitions);
        unlink(path("out.mib").c_str());
    }
}

} // namespace
