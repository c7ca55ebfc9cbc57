#include "WorkerCheck.h"

#include "CheckRules.h"
#include "common/EraDate.h"
#include "common/TextGrid.h"
#include "roster/BloodPressure.h"
#include "roster/WorkerDates.h"
#include "roster/WorkerRecord.h"

#include <QHash>

namespace mirevo::check {
namespace {

constexpr int kMinorAge = 18;
constexpr int kElderlyAge = 65;
constexpr int kHighPressure = 160;
constexpr int kLowPressure = 95;

struct Insurance {
    int column;
    const char* label;
    const char* initial;
};
const Insurance kInsurances[] = {{worker::HealthInsurance, "健康保険", "00000-00-0000"},
                                 {worker::PensionInsurance, "年金保険", "0000-000000"},
                                 {worker::EmploymentInsurance, "雇用保険", "0000-000000-0"}};

// Document 12 is made for the workers of subcontractors only.
QString report(const char* title, bool ofPrime)
{
    return ofPrime ? QStringLiteral("元請の作業員のため、%1（12）は作りません。").arg(QString::fromUtf8(title))
                   : QStringLiteral("%1（12）を作ります。").arg(QString::fromUtf8(title));
}

QString nameOf(const TextGrid& w, int row)
{
    const QString name = w.cell(worker::Name, row).trimmed();
    return isBlankName(name) ? w.cell(worker::Reading, row).trimmed() : name;
}

Finding workerFinding(const TextGrid& w, int row, Level level, const char* code, const QString& field,
                      const QString& message)
{
    Finding f;
    f.level = level;
    f.code = QString::fromLatin1(code);
    f.company = w.cell(worker::Company, row).trimmed();
    f.worker = nameOf(w, row);
    f.field = field;
    f.message = message;
    f.place = Place::Worker;
    f.row = row;
    return f;
}

void checkAge(const TextGrid& w, int row, const QDate& day, bool ofPrime, QList<Finding>& out)
{
    const QString text = w.cell(worker::Birth, row);
    const QString field = QStringLiteral("生年月日");
    const QDate birth = readDate(text);
    if (!birth.isValid() || birth > day) {
        const QString what = isPlaceholder(text) ? QStringLiteral("生年月日が入力されていません。")
            : birth.isValid() ? QStringLiteral("生年月日%1が作成日より後です。").arg(quoted(text))
                              : QStringLiteral("生年月日%1を日付として読めません。").arg(quoted(text));
        out << workerFinding(
            w, row, Level::Warning, "birth-unreadable", field,
            what + QStringLiteral("作業員名簿で「例 : 1968/10/01」の形に入力してください。年齢を確かめられません。"));
        return;
    }
    const int age = worker::completedYears(birth, day);
    if (age < kMinorAge)
        out << workerFinding(w, row, Level::Info, "minor", field,
                             QStringLiteral("作成日に%1歳（18歳未満）です。").arg(age)
                                 + report("年少者就労報告書", ofPrime)
                                 + QStringLiteral("年少者は危険有害業務に就けられません。"));
    else if (age >= kElderlyAge)
        out << workerFinding(w, row, Level::Info, "elderly", field,
                             QStringLiteral("作成日に%1歳（65歳以上）です。").arg(age)
                                 + report("高年齢者就労報告書", ofPrime));
}

void checkPressure(const TextGrid& w, int row, bool ofPrime, QList<Finding>& out)
{
    const QString text = w.cell(worker::BloodPressure, row).trimmed();
    const QString field = QStringLiteral("血圧");
    if (text.isEmpty() || text == QStringLiteral("～"))
        return;
    const std::optional<worker::Pressure> p = worker::readBloodPressure(text);
    bool highOk = false, lowOk = false;
    const int high = p ? p->high.toInt(&highOk) : 0;
    const int low = p ? p->low.toInt(&lowOk) : 0;
    if (!highOk || !lowOk) {
        out << workerFinding(
            w, row, Level::Warning, "blood-pressure-unreadable", field,
            QStringLiteral("血圧%1を読めません。作業員名簿で「120～80」の形に入力してください。").arg(quoted(text)));
        return;
    }
    if (high >= kHighPressure || low >= kLowPressure)
        out << workerFinding(w, row, Level::Warning, "blood-pressure", field,
                             QStringLiteral("血圧%1は高血圧です（最高160以上または最低95以上）。").arg(quoted(text))
                                 + report("高血圧者就労報告書", ofPrime)
                                 + QStringLiteral("就業上の配慮を確かめてください。"));
}

void checkHealth(const TextGrid& w, int row, const QDate& day, QList<Finding>& out)
{
    const QString text = w.cell(worker::HealthCheck, row);
    const QDate checked = readDate(text);
    QString what;
    if (isPlaceholder(text))
        what = QStringLiteral("最近の健康診断日が入力されていません。");
    else if (!checked.isValid())
        what = QStringLiteral("健康診断日%1を日付として読めません。").arg(quoted(text));
    else if (addYearsKeepingFebruary(checked, 1) < day)
        what = QStringLiteral("最近の健康診断日（%1）から作成日までに1年を過ぎています。").arg(eraDateText(checked));
    else
        return;
    out << workerFinding(w, row, Level::Warning, "health-check-old", QStringLiteral("健康診断日"),
                         what + QStringLiteral("1年以内に受けた健康診断の日付を入力してください。"));
}

void checkInsurance(const TextGrid& w, int row, QList<Finding>& out)
{
    for (const Insurance& i : kInsurances) {
        const QString text = w.cell(i.column, row);
        const QString label = QString::fromUtf8(i.label);
        QString what;
        if (text.trimmed().isEmpty())
            what = QStringLiteral("%1が入力されていません。").arg(label);
        else if (isUnfilled(text, QString::fromUtf8(i.initial)))
            what = QStringLiteral("%1が初期値%2のままです。").arg(label, quoted(text));
        else if (text.contains(QStringLiteral("未加入")))
            what = QStringLiteral("%1が「未加入」です。未加入の作業員は現場に入れないことがあります。").arg(label);
        else
            continue;
        out << workerFinding(w, row, Level::Warning, "worker-insurance", label,
                             what + QStringLiteral("保険の名称（適用除外のときは「適用除外」）を入力してください。"));
    }
}

// The person a row stands for: the name without blanks, the birth date as read.
QString personKey(const TextGrid& w, int row)
{
    QString name = w.cell(worker::Name, row);
    name.remove(QChar(u' ')).remove(QChar(u'　'));
    const QDate birth = readDate(w.cell(worker::Birth, row));
    if (name.isEmpty() || !birth.isValid())
        return {};
    return name + u'|' + birth.toString(Qt::ISODate);
}

} // namespace

bool holdsWorker(const TextGrid& w, int row)
{
    return !isBlankName(w.cell(worker::Reading, row).trimmed()) || !isBlankName(w.cell(worker::Name, row).trimmed());
}

void checkWorker(const TextGrid& w, int row, const QDate& day, const QString& prime, QList<Finding>& out)
{
    const bool ofPrime = w.cell(worker::Company, row).trimmed() == prime;
    checkAge(w, row, day, ofPrime, out);
    checkPressure(w, row, ofPrime, out);
    checkHealth(w, row, day, out);
    checkInsurance(w, row, out);
}

void checkWorkerCompany(const TextGrid& w, int row, const QString& prime, const QStringList& companies,
                        QList<Finding>& out)
{
    const QString company = w.cell(worker::Company, row).trimmed();
    if (!isBlankName(company) && (company == prime || companies.contains(company)))
        return;
    const QString what = isBlankName(company)
        ? QStringLiteral("所属会社名が入力されていません。")
        : QStringLiteral("所属会社%1は元請負業者でも当現場リストの会社でもありません。").arg(quoted(company));
    out << workerFinding(
        w, row, Level::Error, "worker-company-missing", QStringLiteral("所属会社名"),
        what + QStringLiteral("会社を施工体制ツリーに登録するか、作業員の所属会社名を直してください。"));
}

void checkDuplicates(const TextGrid& w, QList<Finding>& out)
{
    QHash<QString, int> first; // person → the row that listed them first
    for (int row = 1; row < w.rowCount(); ++row) {
        if (!holdsWorker(w, row))
            continue;
        const QString key = personKey(w, row);
        if (key.isEmpty())
            continue;
        const auto seen = first.constFind(key);
        if (seen == first.constEnd()) {
            first.insert(key, row);
            continue;
        }
        const QString other = w.cell(worker::Company, *seen).trimmed();
        if (other == w.cell(worker::Company, row).trimmed())
            continue;
        out << workerFinding(w, row, Level::Warning, "worker-duplicate", QStringLiteral("氏名・生年月日"),
                             QStringLiteral("同じ氏名・生年月日の作業員が%1にも登録されています。"
                                            "一人は一つの会社の作業員として、どちらかを削除してください。")
                                 .arg(quoted(other)));
    }
}

} // namespace mirevo::check
