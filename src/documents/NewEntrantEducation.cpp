#include "NewEntrantEducation.h"

#include "FormFields.h"
#include "Forms.h"
#include "common/EraDate.h"
#include "common/TextGrid.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <algorithm>
#include <string>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A56", 13.5}, {"A1:A27", 12}, {"A29:A35", 15}, {"A36:A43", 18}, {"A53", 9}};
constexpr Size kWidths[] = {{"B1:AG56", 2}, {"A1", 5}};
constexpr PageFormat kPage{Paper::A4Portrait, "A1:AG56", 0, kHeights, kWidths, "A1:AG56"};

// The header and the worker's personal data (rows 1 to 28). The birth date
// sits in rows 23–24 under the one-row family line, where the writer puts
// it; rows 14–15 hold the sex beside the blood type.
constexpr Box kPersonal[] = {
    {"S3:V3", "受   付　日", "M C 10"},
    {"E4:L5", "新規入場者教育", "M L B 16"},
    {"S4:V4", "作 業 所 名", "M C 10"},
    {"E6:L7", "実施報告書", "M L B 16"},
    {"S5:V7", "面 　接　 者", "M C 10"},
    {"W5:AG7", "", "M C 10"},
    {"B9:F10", "ふ り が な", "M C 11"},
    {"B11:F13", "氏　　名", "M C 11"},
    {"S9:V13", "所属会社名", "M C S 11"},
    {"W9:X9", "□", "M C 11"},
    {"Y9:Z9", "□", "M C 11"},
    {"AA9:AB9", "□", "M C 11"},
    {"AC9:AD9", "□", "M C 11"},
    {"AF9:AG9", "□", "M C 11"},
    {"W10:X10", "一次", "M C 10"},
    {"Y10:Z10", "二次", "M C 10"},
    {"AA10:AB10", "三次", "M C 10"},
    {"AC10:AD10", "　次", "M C 10"},
    {"AF10:AG10", "元請", "M C 10"},
    {"B14:F15", "性　　別", "M C 11"},
    {"G14:R15", "□ 男　　　　□ 女", "M C 11"},
    {"S14:V15", "血　液　型", "M C 11"},
    {"W14:X14", "□", "M C 11"},
    {"Y14:Z14", "□", "M C 11"},
    {"AA14:AB14", "□", "M C 11"},
    {"AC14:AD14", "□", "M C 11"},
    {"W15:X15", "A", "M C 10"},
    {"Y15:Z15", "B", "M C 10"},
    {"AA15:AB15", "O", "M C 10"},
    {"AC15:AD15", "AB", "M C 10"},
    {"AE14", "□", "C 11"},
    {"AE15", "□", "C 11"},
    {"AF14:AG14", "RH+", "M C 10"},
    {"AF15:AG15", "RH-", "M C 10"},
    {"B16:F18", "現 住 所", "M C 10"},
    {"W16:Y18", "ＴＥＬ", "M C S 10"},
    {"B19:F21", "家族連絡先住所", "M C S 10"},
    {"W19:Y21", "ＴＥＬ", "M C 11"},
    {"B22:F22", "家族氏名", "M C 11"},
    {"W22:Y22", "続柄", "M C 11"},
    {"B23:F24", "生年月日", "M C 11"},
    {"G23:H24", "", "M C W 10"},
    {"S23:V24", "国　　籍", "M C 11"},
    {"W23:AG24", "□ 日本　　□ その他（　　　　　　）", "M L S 10"},
    {"B25:F28", "職　種", "M C 11"},
    {"P25:R28", "経験\n年数", "M C W 11"},
    {"S25:Y26", "雇　用　年　月　日", "M C S 11"},
    {"S27:Y28", "この職種の経験年数", "M C S 11"},
};

QString receipt(const Values&)
{
    return NewEntrantEducation::receiptDate(QDate::currentDate());
}

// The header of every page.
constexpr Field kHeaderFields[] = {
    {"W3:AG3", "M C S 10", computed(&receipt)},
    {"W4:AG4", "M C S 10", projectField(field::WorksName)},
};

QString number(const Values& v)
{
    return QStringLiteral("No.%1").arg(v.number);
}
QString companyName(const Values& v)
{
    return v.run.target.company;
}
QString experience(const Values& v)
{
    return v.worker(worker::Experience) + QStringLiteral("　年");
}
QString birth(const Values& v)
{
    return NewEntrantEducation::birthLine(v.worker(worker::Birth), v.worker(worker::Age));
}

// The worker of the page. The family name and relation are left for the hand.
constexpr Field kWorkerFields[] = {
    {"AF2:AG2", "M C S 10", computed(&number)},
    {"W11:AG13", "M C S 11", computed(&companyName)},
    {"G9:R10", "M C S 11", workerColumn(worker::Reading)},
    {"G11:R13", "M C S 11", workerColumn(worker::Name)},
    {"G25:O28", "M C S 11", workerColumn(worker::Trade)},
    {"Z25:AG26", "M C S 11", workerColumn(worker::Employed)},
    {"Z27:AG28", "M C S 11", computed(&experience), "　年"},
    {"I23:R24", "M L S 11", computed(&birth), "　 　年　　　月　　　日  （     才）"},
    {"G16:V18", "M L S 11", contactColumn(worker::Address)},
    {"Z16:AG18", "M C S 11", contactColumn(worker::Phone)},
    {"G19:V21", "M L S 11", contactColumn(worker::FamilyContact)},
    {"Z19:AG21", "M C S 11", contactColumn(worker::FamilyPhone)},
    {"G22:V22", "M L S 11", emptyText()},
    {"Z22:AG22", "M C S 11", emptyText()},
};

// Licences, health, smoking, insurance and the pledge (rows 29 to 56). The
// long lines are boxes to the right edge that shrink their text, so no text
// runs past the page.
constexpr Box kQuestions[] = {
    {"G29:AG50", "", "9"},
    {"H56:AG56", "", "9"},
    {"B29:F35", "免許・資格", "M C 11"},
    {"G29:AG29", " あなたの取得している免許・資格に○をつけて下さい。", "M L S"},
    {"G30:K30", " （1）免許", "M L B"},
    {"L30:AG30", "クレーン・移動式クレーン（５ｔ以上）・ガス溶接・その他（　　　　　）", "M L S 8"},
    {"G31:K31", " （2）技能講習", "M L B"},
    {"L31:AG31", "足場・型枠・地山・土止め・鉄骨・木造・車両系建機（３ｔ以上）・", "M L S 8"},
    {"L32:AG32", "ガス溶接・酸欠危険・玉掛け（１ｔ以上）・移動式クレーン（１ｔ以上５ｔ未満）・", "M L S 8"},
    {"L33:AG33", "高所作業車（10ｍ以上）・コンクリート工作物解体・その他（　　　　　）", "M L S 8"},
    {"G34:K34", " （3）特別教育", "M L B"},
    {"L34:AG34", "車両系建機（３ｔ未満）・アーク溶接・建設用リフト・玉掛け（１ｔ未満）・", "M L S 8"},
    {"L35:AG35", "高所作業車（10ｍ未満）・酸欠・研削といし・フォークリフト（１ｔ未満）・その他", "M L S 8"},
    {"B36:F43", "健康状態", "M C 11"},
    {"G36", " （1）最近受けた健康診断日。", ""},
    {"G37", " （2）血圧が高い。（低い）", ""},
    {"P37:V37", "最高血圧 ～ 最低血圧", "M"},
    {"W37:Z37", "～", "M C"},
    {"G38", " （3）耳が聞こえにくい。", ""},
    {"G39", " （4）腰を痛めたことがある。", ""},
    {"G40", " （5）頭痛や目まいがすることがある。", ""},
    {"G41", " （6）病気で入院したことがある。", ""},
    {"G42", " （7）怪我を治療したことがある。", ""},
    {"T38", "はい", ""},
    {"T40", "はい", ""},
    {"T39", "はい　（　完治・　療養、治療中　）", ""},
    {"T41", "はい　（　　　　年　　　月）", ""},
    {"T42", "はい　（　　　　年　　　月）", ""},
    {"G43:AG43", " ※血圧が高い、めまいがする方は高所作業に適しません。", "M L S B red"},
    {"B44:F45", "喫煙ﾁｪｯｸ", "M C 11"},
    {"G44", " あなたは喫煙者ですか。", ""},
    {"S44", "□", "C"},
    {"T44", "はい", ""},
    {"AD44", "□", "C"},
    {"AE44", "いいえ", ""},
    {"G45:AG45", " ※当作業所は指定場所以外での喫煙禁止です！ルールを守れない方は入場できません。", "M L S B red"},
    {"B46:F50", "労災保険等", "M C 11"},
    {"G46", " 私は（", ""},
    {"I46", "□", "C"},
    {"J46", "中小事業主", ""},
    {"N46", "□", "C"},
    {"O46", "一人親方", ""},
    {"S46", "□", "C"},
    {"T46", "労働者", ""},
    {"W46", "）である。", ""},
    {"G47:W47", " 中小事業主・一人親方の場合、労災保険に特別加入していますか。（", "M L S"},
    {"X47", "□", "C"},
    {"Y47", "加入済", ""},
    {"AB47", "□", "C"},
    {"AC47", "未加入  ）", ""},
    {"G48:AG48", " ※あなたが中小事業主若しくは一人親方の場合、当社の労災保険は適用されません。", "M L S B red"},
    {"H49:AG49", "個別の労災保険の特別加入が必要です・未加入者は当作業所での就労はできません。", "M L S B red"},
    {"G50:AG50", "※尚、加入済の方は労災特別加入申請書（写し）及び労災上積補償加入証書（写し）を添付して下さい。",
     "M L S 8 blue"},
    {"D51:AG51", "私は新規入場者教育を受けました。上記記入内容に相違ありません。", "M L S 10"},
    {"D52:AG52", "受講した当作業所の安全指示事項を遵守して、安全作業に努めます。", "M L S 10"},
    {"N54:AG55", "氏　　　名　　　　　　　　　　　　　　　　　　　　印又はサイン", "M C 11"},
    {"H56:AG56", "※ご記入いただいた個人情報は当作業所の安全活動を目的としてのみ使用いたします。", "M L S 9 blue"},
};

// "□" for the yes / no answers of rows 38 to 42.
constexpr Box kAnswers[] = {{"S38", "□", "C"}, {"AD38", "□", "C"}, {"AE38", "いいえ", ""}};

constexpr Line kLines[] = {
    {"AF2:AG2", "B"},    {"S3:AG7", "G"},   {"W9:AD10", "R H"}, {"AE9:AE10", "R H"}, {"W14:AF15", "R H"},
    {"W14:AG14", "B H"}, {"B9:AG9", "T"},   {"B10:AG13", "B"},  {"B10:R10", "B H"},  {"B15:AG28", "B"},
    {"B35:AG35", "B"},   {"B43:AG43", "B"}, {"B45:AG45", "B"},  {"B50:AG50", "B"},   {"B55:AG55", "B"},
    {"B9:B55", "L"},     {"F9:F50", "R"},   {"AG9:AG55", "R"},  {"O9:V28", "R"},     {"Y16:Y28", "R"},
};

std::string at(const char* column, int row)
{
    return column + std::to_string(row);
}

QString tierWord(int tier)
{
    static const char* const words[] = {"四次", "五次", "六次", "七次", "八次", "九次", "十次"};
    return tier >= 4 && tier <= 10 ? QString::fromUtf8(words[tier - 4]) : QStringLiteral("　次");
}

// One page of the record, top row r; the worker's base row is r + 8.
struct Page {
    Worksheet& ws;
    int r;

    void put(const char* column, int offset, const QString& text) const
    {
        ws.Range(at(column, r + offset)).setValue(text);
    }

    void tier(int mark) const
    {
        if (mark == 0) {
            put("AF", 8, QStringLiteral("■"));
            put("AF", 9, QStringLiteral("元請"));
        } else if (mark >= 1 && mark <= 3) {
            const char* columns[] = {"W", "Y", "AA"};
            put(columns[mark - 1], 8, QStringLiteral("■"));
        } else if (mark >= 4) {
            put("AC", 8, QStringLiteral("■"));
            put("AC", 9, tierWord(mark));
        }
    }

    void bloodType(const QString& type) const
    {
        const char* columns[] = {"W", "Y", "AA", "AC"};
        const QString types[]
            = {QStringLiteral("Ａ"), QStringLiteral("Ｂ"), QStringLiteral("Ｏ"), QStringLiteral("ＡＢ")};
        for (int i = 0; i < 4; ++i)
            if (type == types[i])
                put(columns[i], 13, QStringLiteral("■"));
    }

    void worker(const Values& values, int mark) const
    {
        fillFields(ws, kWorkerFields, values, r - 1);
        tier(mark);
        bloodType(values.worker(worker::BloodType));
    }
};

} // namespace

int NewEntrantEducation::tierMark(const RunState& run)
{
    if (run.target.row == 0)
        return 0;
    const QString text = run.site.contractor(run.target.row, company::Tier).trimmed();
    bool ok = false;
    const int tier = text.toInt(&ok);
    return ok && tier >= 1 ? tier : -1;
}

QString NewEntrantEducation::receiptDate(const QDate& today)
{
    const EraYear era = eraOf(today);
    return era.name + QStringLiteral("  ") + QString::number(era.year) + QStringLiteral("  年　　月　　日");
}

QString NewEntrantEducation::birthLine(const QString& birth, const QString& age)
{
    const QDate date = readShortDate(birth);
    if (isBlank(birth))
        return QStringLiteral("　 　年　　　月　　　日  （     才）");
    const QString tail = QStringLiteral("  （ ") + age.trimmed() + QStringLiteral("才）");
    if (!date.isValid())
        return birth.trimmed() + tail;
    return QStringLiteral("%1年　　%2月　　%3日")
               .arg(date.year(), 4, 10, QChar(u'0'))
               .arg(date.month(), 2, 10, QChar(u'0'))
               .arg(date.day(), 2, 10, QChar(u'0'))
        + tail;
}

void NewEntrantEducation::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawBoxes(ws, kPersonal);
    drawFields(ws, kHeaderFields);
    drawFields(ws, kWorkerFields);
    drawBoxes(ws, kQuestions);
    for (int k = 0; k < 5; ++k)
        drawBoxes(ws, kAnswers, k);
    drawLines(ws, kLines);
}

void NewEntrantEducation::write(Worksheet& ws, const RunState& run) const
{
    QList<QStringList> workers;
    if (!run.options.educationBlank)
        workers = run.site.workersOf(run.target.company);
    const int pages = std::max(1, int(workers.size()));
    repeatPageBlock(ws, 1, kPageRows, pages - 1);
    const int mark = tierMark(run);
    for (int p = 0; p < pages; ++p) {
        fillFields(ws, kHeaderFields, {run}, kPageRows * p);
        if (p < workers.size())
            Page{ws, 1 + kPageRows * p}.worker({run, run.target.row, &workers[p], p + 1}, mark);
    }
}

const Document& newEntrantEducationForm()
{
    static const NewEntrantEducation form;
    return form;
}

} // namespace mirevo::documents
