#include "CompanyCheck.h"

#include "CheckRules.h"
#include "common/EraDate.h"
#include "common/TextGrid.h"
#include "project/PrimeFields.h"
#include "project/ProjectRecord.h"
#include "project/RecordFields.h"
#include "registry/CompanyFields.h"
#include "registry/CompanyRecord.h"

namespace mirevo::check {
namespace {

constexpr int kWarnDays = 90;
const QString kUnset = QStringLiteral("00000000000000");

struct Required {
    int column;
    const char* label;
};

// The persons and contacts every document block of a company prints.
const Required kRequired[] = {
    {company::Representative, "代表者名"}, {company::Address, "住所"}, {company::Phone, "電話番号"},
    {company::SafetyManager, "安全衛生責任者名"}, {company::ChiefEngineer, "主任技術者名"},
};

struct Licence {
    int number;
    int date;
    const char* label;
};
const Licence kLicences[] = {{company::LicenceNo1, company::LicenceDate1, "許可番号1"},
                             {company::LicenceNo2, company::LicenceDate2, "許可番号2"}};

struct Insurance {
    int status;
    const char* label;
};
const Insurance kInsurances[] = {{company::HealthInsuranceState, "健康保険"},
                                   {company::PensionState, "厚生年金保険"},
                                   {company::EmploymentInsuranceState, "雇用保険"}};

QString label(const char* text)
{
    return QString::fromUtf8(text);
}

// Where a company's data are put right.
QString whereToFix(const CompanyRow& c)
{
    return c.place == Place::Prime ? QStringLiteral("「元請負業者情報」") : QStringLiteral("「会社情報の事前登録」");
}

bool unfilled(const CompanyRow& c, int column)
{
    return isUnfilled(c.cells.value(column), c.initials.value(column));
}

void checkRequired(const CompanyRow& c, QList<Finding>& out)
{
    for (const Required& r : kRequired) {
        if (!unfilled(c, r.column))
            continue;
        const QString field = r.column == 19 && c.place == Place::Prime ? QStringLiteral("監理/主任技術者名") : label(r.label);
        out << companyFinding(c, Level::Warning, "company-missing", r.column, field,
                              QStringLiteral("%1が入力されていません。%2で入力してください。").arg(field, whereToFix(c)));
    }
}

void checkBusinessId(const CompanyRow& c, QList<Finding>& out)
{
    const QString id = c.cells.value(company::BusinessId).trimmed();
    if (isBusinessId(id) && id != kUnset)
        return;
    QString message;
    if (id.isEmpty())
        message = QStringLiteral("事業者IDが入力されていません。");
    else if (id == kUnset)
        message = QStringLiteral("事業者IDが初期値%1のままです。").arg(quoted(id));
    else
        message = QStringLiteral("事業者ID%1は14桁の数字ではありません（%2文字）。").arg(quoted(id)).arg(id.size());
    message += QStringLiteral("建設キャリアアップシステムの事業者ID（半角数字14桁）を%1で入力してください。").arg(whereToFix(c));
    out << companyFinding(c, Level::Warning, "business-id", company::BusinessId, QStringLiteral("事業者ID"), message);
}

void checkLicence(const CompanyRow& c, const Licence& l, const QDate& day, QList<Finding>& out)
{
    const QString number = c.cells.value(l.number);
    const QString dateText = c.cells.value(l.date);
    const QString field = QStringLiteral("許可更新日%1").arg(label(l.label).right(1));
    const bool noNumber = unfilled(c, l.number);
    if (isPlaceholder(dateText)) {
        if (!noNumber)
            out << companyFinding(c, Level::Warning, "licence-expired", l.date, field,
                                  QStringLiteral("許可番号%1の許可（更新）年月日が入力されていません。%2で入力してください。")
                                      .arg(quoted(number), whereToFix(c)));
        return;
    }
    const QDate granted = readDate(dateText);
    if (!granted.isValid()) {
        out << companyFinding(c, Level::Warning, "licence-expired", l.date, field,
                              QStringLiteral("許可（更新）年月日%1を日付として読めません。%2で入力し直してください。")
                                  .arg(quoted(dateText), whereToFix(c)));
        return;
    }
    // A licence holds five years: it ends the day before the fifth anniversary.
    const QDate ends = addYearsKeepingFebruary(granted, 5);
    const QString lastDay = eraDateText(ends.addDays(-1));
    if (ends <= day)
        out << companyFinding(c, Level::Error, "licence-expired", l.date, field,
                              QStringLiteral("建設業の許可（%1）の有効期間は%2で切れています。更新後の許可（更新）年月日を入力してください。")
                                  .arg(noNumber ? label(l.label) : number.trimmed(), lastDay));
    else if (day.daysTo(ends) <= kWarnDays)
        out << companyFinding(c, Level::Warning, "licence-expired", l.date, field,
                              QStringLiteral("建設業の許可（%1）の有効期間が%2で切れます。更新の手続きを確かめてください。")
                                  .arg(noNumber ? label(l.label) : number.trimmed(), lastDay));
}

void checkInsurance(const CompanyRow& c, QList<Finding>& out)
{
    for (const Insurance& i : kInsurances)
        if (c.cells.value(i.status).trimmed() == QStringLiteral("未加入"))
            out << companyFinding(c, Level::Warning, "insurance-not-enrolled", i.status,
                                  QStringLiteral("%1 加入状況").arg(label(i.label)),
                                  QStringLiteral("%1が「未加入」です。社会保険に未加入の会社の作業員は現場に入れないことがあります。"
                                                 "加入状況を確かめてください。")
                                      .arg(label(i.label)));
}

} // namespace

CompanyRow primeCompany(const ProjectRecord& record)
{
    CompanyRow c;
    c.place = Place::Prime;
    for (int column = 0; column < company::kColumns; ++column) {
        const QString field = column == company::BusinessId ? QString::fromLatin1(field::PrimeBusinessId) : primeField(column);
        c.controls << field;
        c.cells << (field.isEmpty() ? QString() : record.text(field));
        c.initials << (field.isEmpty() ? QString() : ProjectRecord::initialText(field));
    }
    c.name = c.cells.value(company::Name).trimmed();
    return c;
}

CompanyRow tableCompany(const TextGrid& table, int row)
{
    CompanyRow c;
    c.row = row;
    for (int column = 0; column < company::kColumns; ++column) {
        c.cells << table.cell(column, row);
        const CompanyField* f = companyField(column);
        c.initials << (column == company::BusinessId ? kUnset : f ? f->initial : QString());
        c.controls << QString();
    }
    c.name = c.cells.value(company::Name).trimmed();
    return c;
}

Finding companyFinding(const CompanyRow& c, Level level, const char* code, int column, const QString& field,
                       const QString& message)
{
    Finding f;
    f.level = level;
    f.code = QString::fromLatin1(code);
    f.company = c.name;
    f.field = field;
    f.message = message;
    f.place = c.place;
    f.row = c.row;
    f.control = c.controls.value(column);
    return f;
}

void checkCompany(const CompanyRow& c, const QDate& day, QList<Finding>& out)
{
    checkRequired(c, out);
    checkBusinessId(c, out);
    for (const Licence& l : kLicences)
        checkLicence(c, l, day, out);
    checkInsurance(c, out);
}

void checkCompanyPeriod(const CompanyRow& c, const Period& project, QList<Finding>& out)
{
    const QString fromText = c.cells.value(company::PeriodFrom);
    const QString toText = c.cells.value(company::PeriodTo);
    const QString field = QStringLiteral("工期");
    if (isPlaceholder(fromText) || isPlaceholder(toText)) {
        out << companyFinding(c, Level::Warning, "period-missing", company::PeriodFrom, field,
                              QStringLiteral("この現場での工期が入力されていません。「再下請負業者情報」の「工期」を入力してください。"));
        return;
    }
    const Period own{readDate(fromText), readDate(toText)};
    for (const auto& [date, text] : {std::pair{own.from, fromText}, std::pair{own.to, toText}})
        if (!date.isValid())
            out << companyFinding(c, Level::Error, "period-invalid", company::PeriodFrom, field,
                                  QStringLiteral("工期%1を日付として読めません。「再下請負業者情報」の「工期」を選び直してください。")
                                      .arg(quoted(text)));
    if (!own.from.isValid() || !own.to.isValid())
        return;
    if (own.to < own.from) {
        out << companyFinding(c, Level::Error, "period-invalid", company::PeriodFrom, field,
                              QStringLiteral("工期の終わり%1が始まり%2より前です。「再下請負業者情報」の「工期」を直してください。")
                                  .arg(quoted(toText), quoted(fromText)));
        return;
    }
    if (project.from.isValid() && project.to.isValid() && (own.from < project.from || own.to > project.to))
        out << companyFinding(c, Level::Warning, "period-outside", company::PeriodFrom, field,
                              QStringLiteral("工期（%1～%2）が工事の工期（%3～%4）からはみ出しています。工期を確かめてください。")
                                  .arg(eraDateText(own.from), eraDateText(own.to), eraDateText(project.from), eraDateText(project.to)));
}

void checkUpper(const TextGrid& table, const CompanyRow& c, QList<Finding>& out)
{
    const QString text = c.cells.value(company::UpperNo).trimmed();
    // "0 : 元請" and a blank first-tier entry name the prime contractor.
    const QString number = text.section(u' ', 0, 0).section(u':', 0, 0);
    bool ok = false;
    const int upper = number.toInt(&ok);
    if (text.isEmpty() && c.cells.value(company::Tier).trimmed() == QStringLiteral("1"))
        return;
    if (ok && upper == 0)
        return;
    if (ok && upper > 0 && upper != c.row && upper < table.rowCount() && !isBlankName(table.cell(company::Name, upper)))
        return;
    const QString shown = text.isEmpty() ? QStringLiteral("（空欄）") : quoted(text);
    out << companyFinding(c, Level::Error, "upper-missing", company::UpperNo, QStringLiteral("直近上位の会社No."),
                          QStringLiteral("直近上位の会社No.%1に当たる会社が当現場リストにありません。"
                                         "施工体制ツリーで直近上位の業者の下に登録し直してください。")
                              .arg(shown));
}

} // namespace mirevo::check
