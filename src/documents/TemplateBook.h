#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace mirevo::sheet {
class Application;
class Workbook;
class Worksheet;
} // namespace mirevo::sheet

namespace mirevo::documents {

struct FormSheet;

// File name of the template workbook in the program folder.
QString templateFileName();
// programFolder() + the template's file name: where a new template is saved.
QString templatePath();
// The folders a run looks in for the template, in this order: the program
// folder (MIREVO_HOME when set), the executable's folder, the installed
// data folder.
QStringList templateFolders();

// Where the forms of a run come from.
struct TemplateSource {
    QString path;         // the template file; empty when the forms are built in memory
    QStringList searched; // the files looked for, when none was there
    QString refused;      // a template that failed its check, replaced by the built-in forms
    QStringList problems; // why it failed

    bool builtIn() const { return path.isEmpty(); }
    // "テンプレート: PATH", or the notice that no template was found and the
    // built-in forms are used, naming every file looked for, or that the
    // template failed its check and why.
    QString description() const;
};

// The first of the folders that holds the template.
TemplateSource findTemplate(const QStringList& folders = templateFolders());

// Draws every form built so far on a sheet of its own, in template order,
// into a new workbook of `app`.
sheet::Workbook& buildTemplate(sheet::Application& app);
// Builds the template and saves it atomically at `path`. Throws on failure.
void saveTemplate(const QString& path);

// The template a run copies from: `path` when given (it must exist), else
// the first template `folders` hold, else the same forms built in memory.
// `source` says which. A template that exists but cannot be read is an
// error, never replaced silently.
sheet::Workbook& openTemplate(sheet::Application& app, const QString& path, TemplateSource* source,
                              const QStringList& folders = templateFolders());

// Asked when a template fails its check, with one line per failing sheet:
// true uses the built-in forms instead.
using BuiltInChoice = std::function<bool(const QStringList& problems)>;

// openTemplate, and a template read from a file is checked for the forms
// that the documents `keys` use (formSheetProblems). A template that fails
// is an Error naming every failing sheet and why, unless `useBuiltIn` (when
// given) answers true: then the built-in forms are used, and `source` says
// so and why.
sheet::Workbook& openCheckedTemplate(sheet::Application& app, const QString& path, const QStringList& keys,
                                     const BuiltInChoice& useBuiltIn, TemplateSource* source,
                                     const QStringList& folders = templateFolders());

// The template sheet of a form: the sheet of the form's name; failing that,
// in a workbook holding all 18 forms, the sheet at the form's position.
// Throws Error when the template has neither.
sheet::Worksheet& templateSheet(sheet::Workbook& book, const FormSheet& form);

} // namespace mirevo::documents
