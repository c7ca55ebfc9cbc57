#include "project/SubcontractTree.h"
#include "common/Error.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace mirevo;
using Drop = SubcontractTree::Drop;

namespace {

// A with B and C, C with D, then E.
void buildSample(SubcontractTree& t)
{
    const int a = t.addTopLevel("A");
    t.addChild(a, "B");
    const int c = t.addChild(a, "C");
    t.addChild(c, "D");
    t.addTopLevel("E");
}

QString shape(const SubcontractTree& t)
{
    QString s;
    for (const auto& [level, text] : t.entries())
        s += QString(level, u'.') + text + u' ';
    return s.trimmed();
}

TEST(SubcontractTree, DisplayOrderIsPreOrderWithLevelsParentsAndFirstTier)
{
    SubcontractTree t;
    buildSample(t);
    EXPECT_EQ(shape(t), "A .B .C ..D E");
    EXPECT_EQ(t.parent(3), 2);
    EXPECT_EQ(t.parent(4), -1);
    EXPECT_EQ(t.firstTier(3), 0);
    EXPECT_EQ(t.tier(3), 3);
    EXPECT_EQ(t.children(-1), (std::vector<int>{0, 4}));
    EXPECT_EQ(t.children(0), (std::vector<int>{1, 2}));
    EXPECT_EQ(t.height(0), 3);
    EXPECT_EQ(t.height(4), 1);
}

TEST(SubcontractTree, RemoveTakesTheSubtreeAndTheSelectionWithIt)
{
    SubcontractTree t;
    buildSample(t);
    t.select(3); // D
    t.remove(2); // C with D
    EXPECT_EQ(shape(t), "A .B E");
    EXPECT_EQ(t.selected(), -1);
    t.select(2); // E
    t.remove(1);
    EXPECT_EQ(t.selected(), 1); // follows E
}

struct DropCase {
    const char* what;
    int dragged;
    int target;
    bool shift;
    Drop result;
    const char* after;
};

class SubcontractTreeDrop : public ::testing::TestWithParam<DropCase> { };

TEST_P(SubcontractTreeDrop, MovesTheSubtree)
{
    const DropCase& c = GetParam();
    SubcontractTree t;
    buildSample(t);
    EXPECT_EQ(t.drop(c.dragged, c.target, c.shift), c.result) << c.what;
    EXPECT_EQ(shape(t), QString::fromUtf8(c.after)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubcontractTreeDrop,
    ::testing::Values(DropCase{"B with Shift on A: first top-level node", 1, 0, true, Drop::Moved, "B A .C ..D E"},
                      DropCase{"E without Shift on A: first child of A", 4, 0, false, Drop::Moved, "A .E .B .C ..D"},
                      DropCase{"C with its child onto E", 2, 4, false, Drop::Moved, "A .B E .C ..D"},
                      DropCase{"D with Shift on B: first child of A", 3, 1, true, Drop::Moved, "A .D .B .C E"},
                      DropCase{"on itself", 2, 2, false, Drop::Unchanged, "A .B .C ..D E"},
                      DropCase{"on itself with Shift", 2, 2, true, Drop::Unchanged, "A .B .C ..D E"},
                      DropCase{"on its own descendant", 0, 3, false, Drop::Unchanged, "A .B .C ..D E"}));

TEST(SubcontractTree, NineTiersAtMost)
{
    SubcontractTree t;
    int node = t.addTopLevel("1");
    for (int tier = 2; tier <= SubcontractTree::kMaxTiers; ++tier)
        node = t.addChild(node, QString::number(tier));
    EXPECT_EQ(t.tier(node), 9);
    try {
        t.addChild(node, "10");
        FAIL() << "a tenth tier was accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("9次下請けより下の業者は登録できません。"));
    }
    EXPECT_EQ(t.size(), 9);
    // Moving a two-level subtree under the eighth tier would reach tier 10.
    const int other = t.addTopLevel("X");
    t.addChild(other, "Y");
    EXPECT_EQ(t.drop(other, 7, false), Drop::TooDeep);
    EXPECT_EQ(t.drop(other, 7, true), Drop::Moved); // beside tier 8: tiers 8 and 9
    EXPECT_EQ(t.text(8), "Y");
    EXPECT_EQ(t.tier(8), 9);
}

TEST(SubcontractTree, SelectionFollowsItsNodeThroughADrop)
{
    SubcontractTree t;
    buildSample(t);
    t.select(4); // E
    t.drop(4, 0, true);
    EXPECT_EQ(t.selected(), 0);
    EXPECT_EQ(t.text(t.selected()), "E");
}

} // namespace
