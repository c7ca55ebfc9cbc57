#include "DocumentTestSupport.h"
#include "documents/Generator.h"
#include "documents/TemplateBook.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;

namespace {

struct Sheets {
    Sheets()
    {
        Workbook& forms = buildTemplate(app);
        Workbook& book = app.Workbooks().Add();
        TestSite site;
        site.add(QStringLiteral("一次工業"), "1", 0, 2);
        convert(site.view, {"4", "5"}, {}, forms, book);
        out = &book;
        templates = &forms;
    }
    Application app;
    Workbook* out = nullptr;
    Workbook* templates = nullptr;
};

TEST(Qualification, OneCopyEachWithTheFormsOwnNameAndNothingWritten)
{
    Sheets s;
    ASSERT_EQ(s.out->Sheets().Count(), 2);
    EXPECT_EQ(s.out->Sheets(1).Name(), "4.有資格証写し");
    EXPECT_EQ(s.out->Sheets(2).Name(), "5.有資格区分");
    for (int i : {1, 2}) {
        Worksheet& copy = s.out->Sheets(i);
        Worksheet& form = s.templates->Sheets(copy.Name().c_str());
        for (int r = 1; r <= 70; ++r)
            for (int c = 1; c <= 70; ++c)
                ASSERT_EQ(copy.Cells(r, c).Value(), form.Cells(r, c).Value()) << copy.Name() << " " << r << "," << c;
    }
    saveChecked(*s.out, "qualification");
}

TEST(Qualification, MountAndTableFitTheirPaper)
{
    Sheets s;
    Worksheet& mount = s.out->Sheets(1);
    EXPECT_EQ(mount.PageSetup().PaperSize(), 9);
    EXPECT_EQ(mount.PageSetup().Orientation(), 1);
    EXPECT_EQ(value(mount, "G2"), QStringLiteral("有資格者、免許証、技能講習修了証の写し"));
    EXPECT_TRUE(opensABox(mount, "T4"));
    Worksheet& table = s.out->Sheets(2);
    EXPECT_EQ(table.PageSetup().PaperSize(), 8);
    EXPECT_EQ(table.PageSetup().Orientation(), 2);
    // The zoom that fits A3 in every spreadsheet program (LibreOffice's
    // columns are wider than 2 characters of the standard font).
    EXPECT_GE(table.PageSetup().Zoom(), 80);
    EXPECT_LE(table.PageSetup().Zoom(), 100);
}

TEST(Qualification, TellingRowsOfTheTable)
{
    Sheets s;
    Worksheet& ws = s.out->Sheets(2);
    const std::pair<const char*, const char*> cells[] = {
        {"Z2", "有資格者区分一覧表（参考）"},
        {"B4", "（1）　作業主任者の選任"},
        {"B49", "（2）　危険、有害業務に必要な資格"},
        {"AV16", "（3）　作業指揮者の選任"},
        {"AW40", "（4）　監視人（誘導者）の配置"},
        {"AV58", "注：本一覧表から、ずい道及び潜水の関係は除外している。"},
        {"B28", "足場の組立て　　　　作業主任者"},
        {"G28", "つり足場、張出し足場、又は高さ　　　５ｍ以上の足場の組立て、解体"},
        {"O28", "技能講習修了者"},
        {"S28", "安衛則"},
        {"U28", "565、566"},
        {"B30", "建築物等の鉄骨の　　組立て作業主任者"},
        {"U30", "517-4"},
        {"U31", "517-5"},
        {"C51", "クレーン運転士"},
        {"G51", "つり上げ荷重が５ｔ以上の　　　　　　　　クレーンの運転"},
        {"O51", "ｸﾚｰﾝ運転士免許"},
        {"S51", "安衛令"},
        {"S52", "ｸﾚｰﾝ則"},
        {"U51", "20（6）"},
        {"U52", "22"},
        {"AD29", "機体重量３ｔ以上のもの"},
        {"AH29", "動力を用い自走できるもの　　　　(道路上の運転を除く)"},
        {"AL29", "技能講習修了者"},
        {"AP29", "安衛令"},
        {"AR29", "20（12）"},
        {"AV26", "高所作業車"},
        {"BD26", ""},
        {"BM26", "〃"},
        {"BO26", "194-6"},
        {"AV56", "酸素欠乏危険場所　（監視人）"},
        {"BM56", "酸欠則"},
        {"BO56", "13"},
        {"Y37", "建"},
        {"Y42", "設"},
        {"Y47", "機"},
        {"Y52", "械"},
        {"Y57", "等"},
        {"AV5", "高気圧作業"},
        {"AW13", "高圧室内　　　作業員"},
    };
    for (const auto& [cell, text] : cells)
        EXPECT_EQ(value(ws, cell), QString::fromUtf8(text)) << cell;
    for (const char* box : {"C51:F57", "C58:F64", "C65:F68", "Z7:AC10", "B4:W4", "AV16:BQ16", "AV58:BQ58", "Z2:AU3"}) {
        const sheet::Rect r = sheet::parseRect(box);
        const sheet::Rect* merged = ws.data().mergeAt(r.r1, r.c1);
        ASSERT_NE(merged, nullptr) << box;
        EXPECT_EQ(sheet::rectName(*merged), box);
    }
}

TEST(Qualification, WorkChiefsInOrderWithTheirQualification)
{
    Sheets s;
    Worksheet& ws = s.out->Sheets(2);
    const char* names[] = {
        "高圧室内　　　　　　作業主任者",       "ガス溶接　　　　　　作業主任者",
        "エックス線　　　　　　作業主任者",     "ガンマ線透過写真撮影作業主任者",
        "木材加工用機械　　作業主任者",         "コンクリート破砕機　作業主任者",
        "地山の掘削　　　　作業主任者",         "土止め支保工　　　　作業主任者",
        "採石のための掘削　作業主任者",         "はい作業主任者",
        "型枠支保工の組立て　作業主任者",       "足場の組立て　　　　作業主任者",
        "建築物等の鉄骨の　　組立て作業主任者", "鋼橋架設等　　　　作業主任者",
        "木造建築の組立て　作業主任者",         "コンクリート等工作物　の解体作業主任者",
        "コンクリート橋架設等　作業主任者",     "特定化学物質等　作業主任者",
        "鉛　　　　　　　　　　　作業主任者",   "第1種及び第2種酸素　　欠乏危険作業主任者",
        "有機溶剤の取扱い作業主任者",
    };
    for (int i = 0; i < 21; ++i) {
        const int row = 6 + 2 * i;
        EXPECT_EQ(value(ws, "B" + std::to_string(row)), QString::fromUtf8(names[i])) << row;
        const bool licence = i < 3 || i == 3;
        EXPECT_EQ(value(ws, "O" + std::to_string(row)),
                  licence ? QStringLiteral("免許者") : QStringLiteral("技能講習修了者"))
            << row;
        EXPECT_FALSE(value(ws, "U" + std::to_string(row)).isEmpty()) << row;
    }
}

} // namespace
