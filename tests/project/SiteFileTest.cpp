#include "SiteFixtures.h"
#include "common/EraDate.h"
#include "common/Error.h"
#include "project/ProjectActions.h"
#include "project/ProjectFile.h"
#include "project/SiteTree.h"
#include "project/SiteWorkers.h"
#include "project/TreeImage.h"
#include "roster/WorkerRecord.h"
#include "support/TempHome.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

// 100 nodes over six tiers, each tier t node under the last node of tier
// t − 1, in a fixed random pattern.
void growTree(SubcontractTree& tree, const QStringList& names)
{
    QRandomGenerator random(8);
    std::vector<int> lastAt(7, -1);
    int deepest = 0;
    for (const QString& name : names) {
        const int tier = 1 + int(random.bounded(std::min(deepest + 1, 6)));
        const int node = tier == 1 ? tree.addTopLevel(name) : tree.addChild(lastAt[size_t(tier - 1)], name);
        for (int& last : lastAt)
            if (last >= node)
                ++last;
        lastAt[size_t(tier)] = node;
        deepest = std::max(deepest, tier);
    }
}

void fillWorkers(Project& p, const QStringList& companies, int count)
{
    for (int row = 1; row <= count; ++row) {
        p.workers.ensureRow(row + 1);
        for (int column = 1; column < worker::kColumns; ++column)
            p.workers.setCell(column, row, QStringLiteral("w%1,c%2 \"x\"").arg(row).arg(column));
        p.workers.setCell(worker::Company, row, companies[row % companies.size()]);
        p.workers.setCell(worker::Birth, row, blankDateTemplate());
        p.workers.setCell(worker::SiteEntry, row, QStringLiteral("　"));
    }
}

TEST(SiteFile, LargeSiteSavesAndReadsBackWhole)
{
    TempHome home;
    QStringList names;
    for (int i = 0; i < 100; ++i)
        names << QStringLiteral("協力会社%1").arg(i);
    const TextGrid companies = companiesNamed(names);
    Project p;
    withPrime(p);
    growTree(p.tree, names);
    sitetree::rebuildTable(p, companies);
    for (int row = 1; row <= 100; ++row)
        p.contractors.setCell(company::PeriodFrom, row, QStringLiteral("令和8年%1月1日").arg(row % 12 + 1));
    fillWorkers(p, names, 2000);
    siteworkers::filter(p);
    siteworkers::countWorkers(p);
    sitetree::selectNode(p, 0); // the editor on row 1, as after a read
    int deepest = 0;
    for (const auto& entry : p.tree.entries())
        deepest = std::max(deepest, entry.first + 1);
    ASSERT_EQ(deepest, 6);
    ASSERT_EQ(p.tree.size(), 100);

    const QString first = home.file("a.anz");
    project::save(first, p);
    Project q;
    project::open(first, q);
    EXPECT_TRUE(q.tree == p.tree);
    EXPECT_EQ(q.contractors, p.contractors);
    EXPECT_EQ(q.workers, p.workers);
    EXPECT_EQ(q.shitaukeCount, 100);
    EXPECT_EQ(q.st3Count, 2000);
    EXPECT_EQ(q.treeImage.rowCount(), 101);
    EXPECT_EQ(q.tierOutline, p.tierOutline);
    const QString second = home.file("b.anz");
    project::save(second, q);
    EXPECT_EQ(TempHome::readBytes(first), TempHome::readBytes(second));
}

TEST(TreeImage, LayoutOfTheImage)
{
    SubcontractTree t;
    const int a = t.addTopLevel("A");
    t.addChild(t.addChild(a, "B"), "C");
    const TextGrid image = treeimage::image(t);
    EXPECT_EQ(image.rowCount(), 50);
    EXPECT_EQ(image.row(0), QStringList(11, QString()));
    EXPECT_EQ(image.row(1), (QStringList{"1", "A", "", "", "", "", "", "", "", "", "A"}));
    EXPECT_EQ(image.row(3), (QStringList{"3", "", "", "C", "", "", "", "", "", "", "C"}));
}

struct ImageCase {
    const char* what;
    QStringList tiers; // column 0 of rows 1 …
    const char* shape;
};

QString shape(const SubcontractTree& t)
{
    QString s;
    for (const auto& [level, text] : t.entries())
        s += QString(level, u'.') + text + u' ';
    return s.trimmed();
}

class TreeFromImage : public ::testing::TestWithParam<ImageCase> { };

TEST_P(TreeFromImage, Rebuilds)
{
    const ImageCase& c = GetParam();
    TextGrid image(11, 50);
    for (int i = 0; i < c.tiers.size(); ++i) {
        image.setCell(0, i + 1, c.tiers[i]);
        image.setCell(10, i + 1, QString(QChar(u'a' + i)));
    }
    SubcontractTree t;
    treeimage::rebuildTree(image, QString::number(c.tiers.size()), t);
    EXPECT_EQ(shape(t), QString::fromUtf8(c.shape)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, TreeFromImage,
                         ::testing::Values(ImageCase{"tiers 1–4", {"1", "2", "3", "4", "2", "1"}, "a .b ..c ...d .e f"},
                                           ImageCase{"tiers to 9",
                                                     {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
                                                     "a .b ..c ...d ....e .....f ......g .......h ........i"},
                                           ImageCase{"a 2 before any 1 becomes top-level", {"2", "1", "2"}, "a b .c"},
                                           ImageCase{"a 3 after a 1 only", {"1", "3"}, "a b"},
                                           ImageCase{"tier 10, 0 and text add nothing", {"1", "10", "0", "x", ""}, "a"},
                                           ImageCase{"the last node of the upper tier, even of an earlier branch",
                                                     {"1", "2", "1", "3"},
                                                     "a .b ..d c"}));

TEST(TreeImage, BadNodeCountIsReported)
{
    TextGrid image(11, 50);
    SubcontractTree t;
    EXPECT_THROW(treeimage::rebuildTree(image, "x", t), Error);
    EXPECT_THROW(treeimage::rebuildTree(image, "50", t), Error);
}

TEST(TreeImage, FileWithCountPastTheImageNamesTheLine)
{
    TempHome home;
    Project p;
    QStringList lines = projectfile::write(p);
    lines.last() = "60";
    Project q;
    try {
        projectfile::read(lines, "x.anz", q);
        FAIL() << "accepted";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("x.anz")) << e.message().toStdString();
    }
}

} // namespace
