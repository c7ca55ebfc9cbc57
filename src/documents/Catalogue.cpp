#include "Catalogue.h"

#include "Forms.h"
#include "WorkerRoster.h"
#include "common/Error.h"

namespace mirevo::documents {

namespace {

QString s(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

std::vector<FormSheet> makeSheets()
{
    return {
        {1, s("書類一覧"), {}, &documentListForm()},
        {2, s("1.誓約書"), {}, &safetyPledgeForm()},
        {3, s("2-1.施工体制台帳"), s("2-1.施工体制台帳"), &systemLedgerForm()},
        {4, s("2-2.下請届出、再下請通知"), s("2-2.下請届出、再下請通知"), &resubcontractNoticeForm()},
        {5, s("2-3.施工体系図"), {}, &constructionDiagramForm()},
        {6, s("3.作業員名簿"), s("作業員名簿"), &workerRosterForm()},
        {7, s("4.有資格証写し"), {}, &qualificationMountForm()},
        {8, s("5.有資格区分"), {}, &qualificationTableForm()},
        {9, s("6.新規入場者教育"), s("新規入場者教育"), &newEntrantEducationForm()},
        {10, s("7.持込機械（ｸﾚｰﾝ・重機）"), s("7.持込機械（ｸﾚｰﾝ・重機）"), &machineryNoticeForm()},
        {11, s("7.持込機械点検表（ｸﾚｰﾝ・重機）"), s("7.持込機械点検表（ｸﾚｰﾝ・重機）"), &machineryChecklistForm()},
        {12, s("8.持込機械（電動工具）"), s("8.持込機械（電動工具）"), &powerToolNoticeForm()},
        {13, s("8.持込機械点検表（電動工具）"), s("8.持込機械点検表（電動工具）"), &powerToolChecklistForm()},
        {14, s("9.工事用車輌届"), s("9.工事用車輌届"), &vehicleNoticeForm()},
        {15, s("10.危険物持込届"), s("10.危険物持込届"), &hazardousMaterialsForm()},
        {16, s("11火気使用願"), s("11火気使用願"), &fireUseForm()},
        {17, s("12年少者・高年齢者・高血圧者就労報告書"), s("12年少者・高年齢者・高血圧者就労報告書届"), &specialWorkerReportForm()},
        {18, s("13中小事業主・一人親方等就労届出"), s("13中小事業主・一人親方等就労届出届"), &ownerOperatorNoticeForm()},
    };
}

std::vector<Choice> makeChoices()
{
    return {
        {s("list"), s("書類一覧"), {1}, Scope::Once},
        {s("1"), s("１.誓約書"), {2}, Scope::Once},
        {s("2-1"), s("2-1.施工体制台帳"), {3}, Scope::FirstTier},
        {s("2-2"), s("2-2.下請届出、再下請通知"), {4}, Scope::LowerTier},
        {s("2-3"), s("2-3.施工体系図"), {5}, Scope::Once},
        {s("3"), s("3.作業員名簿"), {6}, Scope::PrimeAndSubs, {WorkerRoster::kPageRows, WorkerRoster::kSlots},
         WorkerListing::Always},
        // The mount refers to the reference table: choosing it brings the
        // table along, as ticking it does on the panel.
        {s("4"), s("4.有資格証写し"), {7}, Scope::Once, {}, WorkerListing::None, {s("5")}},
        {s("5"), s("5.有資格区分"), {8}, Scope::Once},
        {s("6"), s("6.新規入場者教育"), {9}, Scope::PrimeAndSubs, {}, WorkerListing::UnlessBlankForms},
        {s("7"), s("7.持込機械（ｸﾚｰﾝ・重機）"), {10, 11}, Scope::EachSub},
        {s("8"), s("8.持込機械(電動工具)"), {12, 13}, Scope::EachSub},
        {s("9"), s("9.工事用車輌届"), {14}, Scope::EachSub},
        {s("10"), s("10.危険物持込届"), {15}, Scope::EachSub},
        {s("11"), s("11火気使用願 "), {16}, Scope::EachSub},
        {s("12"), s("12年少者・高年齢者・高血圧者就労報告書"), {17}, Scope::EachSub, {}, WorkerListing::Always},
        {s("13"), s("13中小事業主・一人親方等就労届出"), {18}, Scope::EachSub},
    };
}

} // namespace

const std::vector<FormSheet>& formSheets()
{
    static const std::vector<FormSheet> sheets = makeSheets();
    return sheets;
}

const FormSheet& formSheet(int position)
{
    if (position < 1 || position > int(formSheets().size()))
        throw Error(QStringLiteral("様式の番号が範囲外です: %1").arg(position));
    return formSheets()[size_t(position - 1)];
}

const std::vector<Choice>& choices()
{
    static const std::vector<Choice> list = makeChoices();
    return list;
}

const Choice* choiceByKey(const QString& key)
{
    for (const Choice& c : choices())
        if (c.key == key)
            return &c;
    return nullptr;
}

bool listsWorkers(const Choice& choice, bool blankForms)
{
    return choice.workers == WorkerListing::Always || (choice.workers == WorkerListing::UnlessBlankForms && !blankForms);
}

QStringList parseDocumentList(const QString& text)
{
    const QStringList items = text.split(u',', Qt::SkipEmptyParts);
    if (items.isEmpty())
        throw Error(QStringLiteral("書類が指定されていません"));
    QStringList wanted;
    for (const QString& raw : items) {
        const QString item = raw.trimmed();
        if (item == QStringLiteral("all")) {
            for (const Choice& c : choices())
                wanted << c.key;
        } else if (const Choice* c = choiceByKey(item)) {
            wanted << item << c->brings;
        } else {
            throw Error(QStringLiteral("書類の指定が正しくありません: \"%1\" (list,1,2-1,2-2,2-3,3,4,5,6,7,8,9,10,11,12,13 または all)").arg(item));
        }
    }
    QStringList ordered;
    for (const Choice& c : choices())
        if (wanted.contains(c.key))
            ordered << c.key;
    return ordered;
}

} // namespace mirevo::documents
