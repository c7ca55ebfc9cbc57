#include "TemplateBook.h"

#include "Catalogue.h"
#include "Document.h"
#include "TemplateCheck.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "spreadsheet/Spreadsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace mirevo::documents {

using namespace mirevo::sheet;

QString templateFileName()
{
    return QStringLiteral("安全書類(一覧).xlsx");
}

QString templatePath()
{
    return programFile(templateFileName());
}

QStringList templateFolders()
{
    return resourceFolders();
}

QString TemplateSource::description() const
{
    if (!builtIn())
        return QStringLiteral("テンプレート: %1").arg(QDir::toNativeSeparators(path));
    if (!refused.isEmpty())
        return QStringLiteral("注意: テンプレート %1 は使えないため、内蔵の様式を使います:\n%2")
            .arg(QDir::toNativeSeparators(refused), problems.join(u'\n'));
    QStringList shown;
    for (const QString& file : searched)
        shown << QDir::toNativeSeparators(file);
    return QStringLiteral("注意: テンプレート %1 が見つかりません（探した場所: %2）。内蔵の様式を使います。")
        .arg(templateFileName(), shown.join(QStringLiteral("、")));
}

TemplateSource findTemplate(const QStringList& folders)
{
    TemplateSource source;
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(templateFileName());
        if (QFileInfo::exists(file)) // a folder or FIFO of the name is the reader's error
            return {file, {}, {}, {}};
        source.searched << file;
    }
    return source;
}

Workbook& buildTemplate(Application& app)
{
    Workbook& book = app.Workbooks().Add();
    Worksheet& initial = book.Sheets(1);
    for (const FormSheet& form : formSheets()) {
        Worksheet& ws = book.Sheets().Add(After{book.Sheets(book.Sheets().Count())});
        ws.setName(form.name);
        try {
            form.form->layout(ws);
        } catch (const Error& e) {
            throw Error(QStringLiteral("様式「%1」: %2").arg(form.name, e.message()));
        }
    }
    initial.Delete();
    book.Sheets(1).Select();
    return book;
}

void saveTemplate(const QString& path)
{
    Application app;
    Workbook& book = buildTemplate(app);
    try {
        book.SaveAs(QFileInfo(path).absoluteFilePath());
    } catch (const std::exception& e) {
        throw Error(QStringLiteral("テンプレートを保存できません: %1 (%2)").arg(path, QString::fromUtf8(e.what())));
    }
}

namespace {

Workbook& openFile(Application& app, const QString& path)
{
    try {
        return app.Workbooks().Open(QFileInfo(path).absoluteFilePath());
    } catch (const std::exception& e) {
        throw Error(QStringLiteral("テンプレートを読めません: %1 (%2)")
                        .arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what())));
    }
}

} // namespace

Workbook& openTemplate(Application& app, const QString& path, TemplateSource* source, const QStringList& folders)
{
    // Anything of the name is the template: a folder or a FIFO there is an
    // error of the reader, never replaced by the built-in forms.
    if (!path.isEmpty() && !QFileInfo::exists(path))
        throw Error(QStringLiteral("テンプレートが見つかりません: %1").arg(QDir::toNativeSeparators(path)));
    const TemplateSource found
        = path.isEmpty() ? findTemplate(folders) : TemplateSource{QFileInfo(path).absoluteFilePath(), {}, {}, {}};
    if (source)
        *source = found;
    return found.builtIn() ? buildTemplate(app) : openFile(app, found.path);
}

Workbook& openCheckedTemplate(Application& app, const QString& path, const QStringList& keys,
                              const BuiltInChoice& useBuiltIn, TemplateSource* source, const QStringList& folders)
{
    TemplateSource found;
    Workbook& book = openTemplate(app, path, &found, folders);
    if (source)
        *source = found;
    if (found.builtIn())
        return book;
    const QStringList problems = templateProblems(book, keys);
    if (problems.isEmpty())
        return book;
    if (!useBuiltIn || !useBuiltIn(problems))
        throw Error(
            QStringLiteral("テンプレート %1 は使えません:\n%2\n"
                           "テンプレートを直してください (内蔵の様式で作成するには、このファイルを別の名前にします)。")
                .arg(QDir::toNativeSeparators(found.path), problems.join(u'\n')));
    if (source)
        *source = TemplateSource{{}, {}, found.path, problems};
    book.Close();
    return buildTemplate(app);
}

Worksheet& templateSheet(Workbook& book, const FormSheet& form)
{
    const std::string name = form.name.toStdString();
    for (const auto& ws : book.sheets())
        if (ws->Name() == name)
            return *ws;
    if (book.Sheets().Count() >= int(formSheets().size()))
        return book.Sheets(form.position);
    throw Error(QStringLiteral("テンプレートに様式「%1」のシートがありません").arg(form.name));
}

} // namespace mirevo::documents
