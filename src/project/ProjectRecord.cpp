#include "ProjectRecord.h"
#include "common/EraDate.h"
#include "common/Error.h"
#include "registry/CompanyFields.h"

#include <QSet>

namespace mirevo {
namespace {

const QString kNames = QStringLiteral("〇〇〇〇");
const QString kAddress = QStringLiteral("〇〇県〇〇市〇〇町〇〇〇〇番地〇号");
const QString kWideDate = QStringLiteral("　　　年　月　日");

QString qualification()
{
    return QStringLiteral("〇級〇〇〇〇監理技士") + QString(10, u'\t');
}

// Initial texts of the orderer, header and prime contractor fields.
const QHash<QString, QString>& fixedInitials()
{
    static const QHash<QString, QString> table{
        {"Edit1", QStringLiteral("〇〇〇〇〇〇〇")},
        {"Edit2", "999"},
        {"Edit3", "9999"},
        {"Edit4", kAddress},
        {"Edit5", kWideDate},
        {"Edit6", kWideDate},
        {"Edit7", kWideDate},
        {"Edit8", kNames},
        {"ComboBox1", QStringLiteral("契約書記載のとおり")},
        {"Edit9", QStringLiteral("〇〇〇〇〇新築工事")},
        {"Edit41", blankDateTemplate()},
        {"Edit10", QStringLiteral("〇〇〇〇〇株式会社")},
        {"Edit11", QStringLiteral("〇〇〇営業所")},
        {"Edit84", "00000000000000"},
        {"Edit12", kNames},
        {"Edit74", "000-000-0000"},
        {"Edit78", kWideDate},
        {"Edit80", kWideDate},
        {"Edit81", kWideDate},
        {"Edit24", "760"},
        {"Edit25", "0050"},
        {"Edit26", kAddress},
        {"Edit27", kNames},
        {"Edit31", kNames},
        {"Edit28", QStringLiteral("工事業")},
        {"Edit32", QStringLiteral("工事業")},
        {"ComboBox7", QStringLiteral("知事 一般")},
        {"ComboBox8", QStringLiteral("知事 一般")},
        {"Edit29", QStringLiteral("00第　0000 号")},
        {"Edit33", QStringLiteral("00第　0000 号")},
        {"Edit30", blankDateTemplate()},
        {"Edit34", blankDateTemplate()},
        {"Edit13", kNames},
        {"Edit14", kNames},
        {"Edit85", kNames},
        {"Edit15", kNames},
        {"Edit16", qualification()},
        {"Edit35", kNames},
        {"Edit36", qualification()},
        {"Edit37", kNames},
        {"Edit38", kNames},
        {"Edit39", qualification()},
        {"Edit40", kNames},
        {"Edit17", kNames},
        {"Edit18", kNames},
        {"Edit19", kNames},
        {"ComboBox9", QStringLiteral("無し")},
        {"ComboBox10", QStringLiteral("無し")},
        {"Edit20", kNames},
        {"Edit21", "00000-00-0000"},
        {"Edit22", kNames},
        {"Edit23", kNames},
        {"ComboBox4", QStringLiteral("加入")},
        {"ComboBox5", QStringLiteral("加入")},
        {"ComboBox6", QStringLiteral("加入")},
        // Contractor editor fields outside the company columns.
        {"Edit52", QStringLiteral("工事業")},
        {"Edit55", QStringLiteral("工事業")},
        {"Edit76", blankDateTemplate()},
        {"Edit77", blankDateTemplate()},
        {"Edit79", blankDateTemplate()},
        {"Edit83", "00000000000000"},
    };
    return table;
}

} // namespace

ProjectRecord::ProjectRecord()
{
    for (const QString& name : fieldNames())
        texts_.insert(name, initialText(name));
}

QStringList ProjectRecord::fieldNames()
{
    QStringList names;
    for (int i = 1; i <= kEdits; ++i)
        names << QStringLiteral("Edit%1").arg(i);
    for (int i = 1; i <= kCombos; ++i)
        names << QStringLiteral("ComboBox%1").arg(i);
    return names;
}

bool ProjectRecord::isField(const QString& field)
{
    static const QSet<QString> names = [] {
        const QStringList list = fieldNames();
        return QSet<QString>(list.cbegin(), list.cend());
    }();
    return names.contains(field);
}

QString ProjectRecord::fixedInitialText(const QString& field)
{
    return fixedInitials().value(field);
}

QString ProjectRecord::initialText(const QString& field)
{
    if (auto it = fixedInitials().constFind(field); it != fixedInitials().constEnd())
        return *it;
    for (const CompanyField& f : companyFields())
        if (f.editor == field)
            return f.initial;
    return {};
}

QString ProjectRecord::text(const QString& field) const
{
    auto it = texts_.constFind(field);
    if (it == texts_.constEnd())
        throw Error(QStringLiteral("項目 %1 はありません").arg(field));
    return *it;
}

void ProjectRecord::setText(const QString& field, const QString& text)
{
    auto it = texts_.find(field);
    if (it == texts_.end())
        throw Error(QStringLiteral("項目 %1 はありません").arg(field));
    if (*it == text)
        return;
    *it = text;
    emit fieldChanged(field);
}

void ProjectRecord::setPrimeNotDedicated(bool notDedicated)
{
    if (primeNotDedicated_ == notDedicated)
        return;
    primeNotDedicated_ = notDedicated;
    emit fieldChanged(QStringLiteral("RadioButton5"));
}

void ProjectRecord::setEditorNotDedicated(bool notDedicated)
{
    if (editorNotDedicated_ == notDedicated)
        return;
    editorNotDedicated_ = notDedicated;
    emit fieldChanged(QStringLiteral("RadioButton3"));
}

} // namespace mirevo
