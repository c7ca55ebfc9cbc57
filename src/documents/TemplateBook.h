#pragma once
#include <QString>

namespace mirevo::sheet {
class Application;
class Workbook;
class Worksheet;
}

namespace mirevo::documents {

struct FormSheet;

// File name of the template workbook in the program folder.
QString templateFileName();
// programFolder() + the template's file name.
QString templatePath();

// Draws every form built so far on a sheet of its own, in template order,
// into a new workbook of `app`.
sheet::Workbook& buildTemplate(sheet::Application& app);
// Builds the template and saves it atomically at `path`. Throws on failure.
void saveTemplate(const QString& path);

// The template a run copies from: `path` when given (it must exist), else
// the template in the program folder, else the same forms built in memory,
// in which case `note` says so. A template that exists but cannot be read
// is an error, never replaced silently.
sheet::Workbook& openTemplate(sheet::Application& app, const QString& path, QString* note);

// openTemplate, and a template read from a file is checked for the forms
// that the documents `keys` use (formSheetProblems). A template that fails
// is an Error naming every failing sheet and why; only with
// `builtInOnFailure` are the built-in forms used instead, and `note` says so
// and why.
sheet::Workbook& openCheckedTemplate(sheet::Application& app, const QString& path, const QStringList& keys,
                                     bool builtInOnFailure, QString* note);

// The template sheet of a form: the sheet of the form's name; failing that,
// in a workbook holding all 18 forms, the sheet at the form's position.
// Throws Error when the template has neither.
sheet::Worksheet& templateSheet(sheet::Workbook& book, const FormSheet& form);

} // namespace mirevo::documents
