#include "TemplateBook.h"

#include "Catalogue.h"
#include "Document.h"
#include "Spreadsheet.h"
#include "TemplateCheck.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"

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

Workbook& buildTemplate(Application& app)
{
    Workbook& book = app.Workbooks().Add();
    Worksheet& initial = book.Sheets(1);
    for (const FormSheet& form : formSheets()) {
        if (!form.form)
            continue;
        Worksheet& ws = book.Sheets().Add(After{book.Sheets(book.Sheets().Count())});
        ws.setName(form.name);
        form.form->layout(ws);
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
        throw Error(QStringLiteral("テンプレートを読めません: %1 (%2)").arg(QDir::toNativeSeparators(path),
                                                                       QString::fromUtf8(e.what())));
    }
}

} // namespace

Workbook& openTemplate(Application& app, const QString& path, QString* note)
{
    // Anything of the name is the template: a folder or a FIFO there is an
    // error of the reader, never replaced by the built-in forms.
    if (!path.isEmpty()) {
        if (!QFileInfo::exists(path))
            throw Error(QStringLiteral("テンプレートが見つかりません: %1").arg(QDir::toNativeSeparators(path)));
        return openFile(app, path);
    }
    const QString standard = templatePath();
    if (QFileInfo::exists(standard))
        return openFile(app, standard);
    if (note)
        *note = QStringLiteral("テンプレート %1 が見つからないため、内蔵の様式を使いました。")
                    .arg(QDir::toNativeSeparators(standard));
    return buildTemplate(app);
}

Workbook& openCheckedTemplate(Application& app, const QString& path, const QStringList& keys, bool builtInOnFailure,
                              QString* note)
{
    QString missing;
    Workbook& book = openTemplate(app, path, &missing);
    if (!missing.isEmpty()) {
        if (note)
            *note = missing;
        return book; // the built-in forms
    }
    const QStringList problems = templateProblems(book, keys);
    if (problems.isEmpty())
        return book;
    const QString file = QDir::toNativeSeparators(path.isEmpty() ? templatePath() : path);
    if (!builtInOnFailure)
        throw Error(QStringLiteral("テンプレート %1 は使えません:\n%2\n"
                                   "テンプレートを直してください (内蔵の様式で作成するには、このファイルを別の名前にします)。")
                        .arg(file, problems.join(u'\n')));
    if (note)
        *note = QStringLiteral("テンプレート %1 が使えないため、内蔵の様式を使いました:\n%2").arg(file, problems.join(u'\n'));
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
