// Data-driven black-box cases: each folder under tests/cases holds a definition file and what
// travix must make of it.
//
//   input.def     the definition file, converted as `travix input.def out.mib`
//   console.txt   the exact console text, banner date and time masked
//   out.mib       the exact MIB file; when absent, no out.mib may exist after the run
//   existing.mib  optional: out.mib's content before the run (to show what is left untouched)
//   about.txt     one line: the behaviour the case shows
//
// Run one case alone with --gtest_filter='Cases/CaseFile.Converts/<folder>'.
#include "travix_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    if (DIR* folder = opendir(TRAVIX_CASES_DIR)) {
        while (dirent* entry = readdir(folder))
            if (entry->d_name[0] != '.')
                names.push_back(entry->d_name);
        closedir(folder);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Shows control characters, so a difference in line ends or tabs is visible in a failure.
std::string visible(const std::string& bytes) {
    std::string shown;
    for (char c : bytes) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\t')
            shown += "\\t";
        else if (c == '\n')
            shown += "\\n\n";
        else if (c == '\0')
            shown += "\\0";
        else
            shown += c;
    }
    return shown;
}

class CaseFile : public testing::TestWithParam<std::string> {};

TEST_P(CaseFile, Converts) {
    const std::string source = std::string(TRAVIX_CASES_DIR) + "/" + GetParam() + "/";
    const std::string scratch = makeScratchDirectory();
    ASSERT_FALSE(scratch.empty());
    writeFileBytes(scratch + "/input.def", readFileBytes(source + "input.def"));
    if (fileExists(source + "existing.mib"))
        writeFileBytes(scratch + "/out.mib", readFileBytes(source + "existing.mib"));

    TravixRun run = runTravix({"input.def", "out.mib"}, scratch);

    EXPECT_EQ(run.exitStatus, 0);
    SCOPED_TRACE(readFileBytes(source + "about.txt"));
    EXPECT_EQ(visible(run.console), visible(readFileBytes(source + "console.txt")));
    if (fileExists(source + "out.mib")) {
        ASSERT_TRUE(fileExists(scratch + "/out.mib")) << "no MIB file written";
        EXPECT_EQ(visible(readFileBytes(scratch + "/out.mib")),
                  visible(readFileBytes(source + "out.mib")));
    } else {
        EXPECT_FALSE(fileExists(scratch + "/out.mib")) << "a MIB file was written";
    }
    removeTree(scratch);
}

INSTANTIATE_TEST_SUITE_P(Cases, CaseFile, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

TEST(CaseFolder, HasCases) {
    EXPECT_FALSE(caseNames().empty()) << TRAVIX_CASES_DIR;
}

} // namespace
