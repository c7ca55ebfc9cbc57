#include "GenerationRun.h"

#include "common/Error.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

GenerationRun::GenerationRun() = default;
GenerationRun::~GenerationRun() = default;
GenerationRun::GenerationRun(GenerationRun&&) noexcept = default;
GenerationRun& GenerationRun::operator=(GenerationRun&&) noexcept = default;

GenerationRun generate(const SiteView& site, const QStringList& keys, const RunOptions& options,
                       const Progress& progress, const BuiltInChoice& useBuiltIn)
{
    GenerationRun run;
    run.app = std::make_unique<sheet::Application>();
    try {
        sheet::Workbook& forms = openCheckedTemplate(*run.app, {}, keys, useBuiltIn, &run.templateSource);
        run.book = &run.app->Workbooks().Add();
        if (progress)
            progress(1, kRunSteps);
        auto step = [&](int done, int total) {
            if (progress)
                progress(kRunSteps - total + done, kRunSteps);
        };
        run.report = convert(site, keys, options, forms, *run.book, step);
    } catch (const Error& e) {
        run.error = e.message();
    } catch (const std::exception& e) {
        run.error = visibleText(QString::fromUtf8(e.what())); // may quote what a file held
    }
    return run;
}

QString workbookFileName(const QString& worksName)
{
    QString name = worksName.trimmed();
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = u'_';
    return QStringLiteral("安全書類_") + name + QStringLiteral(".xlsx");
}

} // namespace mirevo::documents
