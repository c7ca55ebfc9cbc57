#pragma once
#include "Document.h"
#include "Generator.h"
#include "TemplateBook.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace mirevo::sheet {
class Application;
class Workbook;
} // namespace mirevo::sheet

namespace mirevo::documents {

// Steps of a run as the generation panel shows them: the template opened,
// the 16 documents, the finishing touches.
constexpr int kRunSteps = 18;

// What one run made, kept after the run for the workbook window. A failed
// run keeps the sheets made so far and says why it stopped.
struct GenerationRun {
    GenerationRun();
    ~GenerationRun();
    GenerationRun(GenerationRun&&) noexcept;
    GenerationRun& operator=(GenerationRun&&) noexcept;

    std::unique_ptr<sheet::Application> app; // owns the output workbook
    sheet::Workbook* book = nullptr;         // nullptr when no workbook was made
    ConversionReport report;
    TemplateSource templateSource; // the template the run copied from, or the built-in forms
    QString error;                 // empty when the run completed

    bool complete() const { return book && error.isEmpty(); }
};

// The template conversion as the windows run it: opens the template (in
// MIREVO_HOME, else beside the executable, else the built-in forms), adds the output workbook and converts the chosen
// documents, reporting `kRunSteps` steps. A template that fails its check
// is replaced by the built-in forms only when `useBuiltIn` says so. Never
// throws: a failure is kept in `error`, with the workbook as far as it got.
GenerationRun generate(const SiteView& site, const QStringList& keys, const RunOptions& options,
                       const Progress& progress = {}, const BuiltInChoice& useBuiltIn = {});

// "安全書類_" + the works' name + ".xlsx", with the characters that a file
// name cannot hold replaced by "_".
QString workbookFileName(const QString& worksName);

} // namespace mirevo::documents
