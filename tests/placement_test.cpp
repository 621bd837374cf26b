// Naming of path components and placement of objects on the open branch.
#include "mib/placement.h"
#include "mib_writer_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> chainedNames(const char* objectName) {
    ObjectPath path{};
    const int slots = splitObjectPath(objectName, std::strlen(objectName), path);
    std::vector<std::string> names;
    for (int slot = 1; slot < slots; ++slot)
        names.emplace_back(path.text, static_cast<std::size_t>(slotLength(path, slot)));
    return names;
}

TEST(SplitObjectPath, ChainsEveryComponentOntoTheOneBefore) {
    struct Case {
        const char* objectName;
        std::vector<std::string> names;
    } cases[] = {
        {"top", {"top"}},
        {"if_table.if_entry.index", {"if-table", "if-table-if-entry", "if-table-if-entry-index"}},
        {"my_obj.sub_x", {"my-obj", "my-obj-sub-x"}},
        {"a..b", {"a", "a-", "a--b"}},
        {".a", {"", "a"}}, // an empty prefix adds no hyphen
        {"..a.b", {"", "", "a", "a-b"}},
        {"a.", {"a", "a-"}},
        {".", {"", ""}},
        {"", {""}},
        {"A.B_c", {"A", "A-B-c"}}, // case is kept
    };
    for (const Case& c : cases)
        EXPECT_EQ(chainedNames(c.objectName), c.names) << c.objectName;
}

TEST(SplitObjectPath, HandlesPathsOfNothingButDots) {
    const std::string dots(MaxLineLength, '.');
    EXPECT_EQ(chainedNames(dots.c_str()),
              std::vector<std::string>(static_cast<std::size_t>(MaxLineLength) + 1, ""));
}

// Splitting into a path that holds an earlier split keeps the shared leading components and must
// give the same names as splitting afresh.
TEST(SplitObjectPath, SplitAfterAnotherGivesTheSameNames) {
    struct Case {
        const char* before;
        const char* objectName;
        int keptSlots;
    } cases[] = {
        {"a.b.c", "a.b.d", 2},
        {"a.b.c", "a.b.c", 2},
        // The shorter name ends inside the kept part.
        {"a.b.c", "a.b", 1},
        {"a.b", "a.b.c.d", 1},
        // "a.b" is not a whole component of "a.bx".
        {"a.b.c", "a.bx.c", 1},
        {"ab.c", "a.c", 0},
        // The same names so far, but not from the same components.
        {"a_b.c", "a.b.c", 0},
        {"a.b.c", "a_b.c", 0},
        // Names that differ in case are left to the walk.
        {"A.b", "a.b", 0},
        // Leading dots come along with the first component; by themselves they are not kept.
        {"..a.b", "..a.c", 3},
        {"..a.b", ".a.b", 0},
        {"..b", "..c", 0},
        {"a.b", ".a.b", 0},
        {"a.", "a.x", 1},
        {"a.b.c", "", 0},
        {"a.b.c", "a", 0},
        // An empty component in between is kept too.
        {"a..b", "a..c", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " then " + c.objectName);
        ObjectPath reused{};
        splitObjectPath(c.before, std::strlen(c.before), reused);
        const int slots = splitObjectPath(c.objectName, std::strlen(c.objectName), reused);
        EXPECT_EQ(reused.keptSlots, c.keptSlots);
        std::vector<std::string> names;
        for (int slot = 1; slot < slots; ++slot)
            names.emplace_back(reused.text, static_cast<std::size_t>(slotLength(reused, slot)));
        EXPECT_EQ(names, chainedNames(c.objectName));
    }

    // Paths of nothing but dots, one after the other, as long as a line allows.
    const std::string dots(MaxLineLength, '.');
    ObjectPath reused{};
    splitObjectPath(dots.c_str(), dots.size(), reused);
    EXPECT_EQ(splitObjectPath(dots.c_str(), dots.size(), reused), MaxLineLength + 2);
    EXPECT_EQ(reused.keptSlots, 0);
}

// Places records in order under the build node "bld" and checks the body text.
class Placement : public testing::Test {
  protected:
    void SetUp() override { f.root("bld"); }
    void place(const char* objectName, char letter = 's') {
        std::string copy = objectName;
        placeObject(f.writer, copy.c_str(), copy.size(), letter);
    }
    static std::string node(const std::string& name, const std::string& parent, int number) {
        return expected::nodeLine(name, parent, number);
    }
    static std::string object(const std::string& name, const std::string& parent, int number) {
        return expected::objectBlock(name, "OCTET STRING", parent, number);
    }
    MibWriterFixture f;
};

TEST_F(Placement, PlacesTheDocumentedExample) {
    place("sys.name");
    place("sys.uptime", 'q');
    place("if_table.if_entry.index", 'i');
    EXPECT_EQ(f.written(), node("sys", "bld", 1) + object("sys-name", "sys", 1) +
                               expected::objectBlock("sys-uptime", "COUNTER64", "sys", 2) +
                               node("if-table", "bld", 2) +
                               node("if-table-if-entry", "if-table", 1) +
                               expected::objectBlock("if-table-if-entry-index", "INTEGER",
                                                     "if-table-if-entry", 1));
    EXPECT_EQ(f.counters.nodesAdded, 3);
    EXPECT_EQ(f.counters.objectsAdded, 3);
}

TEST_F(Placement, ObjectDirectlyUnderTheBuildNode) {
    f.paths.levels[0].nextChild = 7;
    place("top");
    EXPECT_EQ(f.written(), object("top", "bld", 7));
}

TEST_F(Placement, RecordNamingAnOpenNodeWritesNothing) {
    place("a.b");
    const std::string before = f.written();
    place("a");
    EXPECT_EQ(f.written(), before);
    EXPECT_EQ(f.consoleText(), "");
    place("a.c");
    EXPECT_EQ(f.written(), before + object("a-c", "a", 2));
}

TEST_F(Placement, AnObjectLeavesTheOpenBranchOpen) {
    place("a.b.c");
    place("a.d");
    place("a.b.e");
    EXPECT_EQ(f.written(), node("a", "bld", 1) + node("a-b", "a", 1) + object("a-b-c", "a-b", 1) +
                               object("a-d", "a", 2) + object("a-b-e", "a-b", 2));
}

TEST_F(Placement, SameNamesFromOtherComponentsAreComparedAgain) {
    place("x_y.z");
    place("x.y.z");
    place("x.y_z");
    EXPECT_EQ(f.written(), node("x-y", "bld", 1) + object("x-y-z", "x-y", 1) + node("x", "bld", 2) +
                               node("x-y", "x", 1) + object("x-y-z", "x-y", 1) +
                               object("x-y-z", "x", 2));
}

TEST_F(Placement, UngroupedSubtreeRepeatsItsNode) {
    place("a.x");
    place("b.y");
    place("a.z");
    EXPECT_EQ(f.written(), node("a", "bld", 1) + object("a-x", "a", 1) + node("b", "bld", 2) +
                               object("b-y", "b", 1) + node("a", "bld", 3) + object("a-z", "a", 1));
}

TEST_F(Placement, ComparesIgnoringCaseButWritesTheRecordsOwnName) {
    place("A.b");
    place("a.c");
    EXPECT_EQ(f.written(), node("A", "bld", 1) + object("A-b", "A", 1) + object("a-c", "A", 2));
}

TEST_F(Placement, SameRecordTwiceGivesConsecutiveNumbers) {
    place("a.b");
    place("a.b");
    EXPECT_EQ(f.written(), node("a", "bld", 1) + object("a-b", "a", 1) + object("a-b", "a", 2));
}

TEST_F(Placement, UnknownLetterKeepsNewNodesAndUsesNoNumber) {
    place("x.y", 'S');
    place("x.z");
    EXPECT_EQ(f.consoleText(), "Unknown object type for object x-y, parent x position 1\r\n");
    EXPECT_EQ(f.written(), node("x", "bld", 1) + object("x-z", "x", 1));
}

TEST_F(Placement, EmptyComponentsOpenNodesWithEmptyNames) {
    place("a..b");
    place(".a");
    place("a.");
    EXPECT_EQ(f.written(), node("a", "bld", 1) + node("a-", "a", 1) + object("a--b", "a-", 1) +
                               node("", "bld", 2) + object("a", "", 1) + node("a", "bld", 3) +
                               object("a-", "a", 1));
}

TEST_F(Placement, NewNodeAtADepthMakesDeeperLevelsStale) {
    place("a.b.c.d");
    place("a.x.c.e"); // a-x-c must not be taken for the stale a-b-c
    EXPECT_EQ(f.written(), node("a", "bld", 1) + node("a-b", "a", 1) + node("a-b-c", "a-b", 1) +
                               object("a-b-c-d", "a-b-c", 1) + node("a-x", "a", 2) +
                               node("a-x-c", "a-x", 1) + object("a-x-c-e", "a-x-c", 1));
}

TEST_F(Placement, LongNamesAndDeepPathsArePlacedInFull) {
    const std::string letters(60, 'n');
    place(("a." + letters).c_str());
    EXPECT_EQ(f.written(), node("a", "bld", 1) + object("a-" + letters, "a", 1));

    // Twelve components, more than the old fixed split form held.
    MibWriterFixture deep;
    deep.root("bld");
    std::string path = "c1", expected = "", parent = "bld", chained = "c1";
    for (int k = 2; k <= 12; ++k) {
        expected += node(chained, parent, 1);
        parent = chained;
        path += ".c" + std::to_string(k);
        chained += "-c" + std::to_string(k);
    }
    placeObject(deep.writer, path.c_str(), path.size(), 's');
    EXPECT_EQ(deep.written(), expected + object(chained, parent, 1));
    EXPECT_EQ(deep.paths.openDepth, 12);
}

TEST_F(Placement, PathOfOnlyDotsOpensOneEmptyNodePerDot) {
    const std::string dots(MaxLineLength - 5, '.');
    place(dots.c_str());
    place(dots.c_str());
    std::string expected = node("", "bld", 1);
    for (std::size_t k = 2; k <= dots.size(); ++k)
        expected += node("", "", 1);
    EXPECT_EQ(f.written(), expected + object("", "", 1) + object("", "", 2));
}

} // namespace
