#pragma once
#include <QString>
#include <QStringList>

namespace mirevo::documents {

// The name of a per-company copy: `prefix` + "【" + company + "】", made legal
// for a workbook whatever the company is called. Characters a sheet name may
// not hold (: \ / ? * [ ] and their full-width forms, control characters)
// become "_"; the company part is shortened so the whole fits 31 characters,
// keeping "【" and "】"; a name already in `taken` (ignoring case) gets
// "(2)", "(3)", ... before "】". A name never stops a run.
QString companySheetName(const QString& prefix, const QString& company, const QStringList& taken);

// `name` with forbidden characters replaced, shortened to 31 characters and
// made unique against `taken` with " (2)", " (3)", ...
QString legalSheetName(const QString& name, const QStringList& taken);

} // namespace mirevo::documents
