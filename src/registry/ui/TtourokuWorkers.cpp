// The registration window's bulk worker commands: import with a preview,
// export of the whole worker list.
#include "CompanyEntryPanel.h"
#include "Ttouroku.h"
#include "WorkerImportDialog.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "registry/Registry.h"
#include "registry/WorkerExport.h"
#include "registry/WorkerImport.h"

#include <QDir>
#include <QFileInfo>

using namespace mirevo;

void Ttouroku::importWorkers()
{
    const QString path
        = Dialogs::current().openFileName(QStringLiteral("作業員一覧|*.csv *.tsv *.txt *.xlsx"), QString());
    if (path.isEmpty())
        return;
    try {
        WorkerImportDialog preview(registry_, workerimport::readFile(path), entry_->companyName(), this);
        if (preview.exec() != QDialog::Accepted)
            return;
        Dialogs::current().message(preview.plan().summary(), Dialogs::Kind::Information);
    } catch (const Error& e) {
        Dialogs::current().message(QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), e.message()),
                                   Dialogs::Kind::Error);
    }
    refreshList();
}

void Ttouroku::exportWorkers()
{
    QString path = Dialogs::current().saveFileName(QStringLiteral("CSV|*.csv|Excel ブック|*.xlsx"), QString(),
                                                   QStringLiteral("作業員一覧.csv"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    try {
        const int written = workerexport::write(registry_, QString(), path);
        Dialogs::current().message(
            QStringLiteral("作業員 %1 人を %2 に書き出しました").arg(written).arg(QDir::toNativeSeparators(path)),
            Dialogs::Kind::Information);
    } catch (const Error& e) {
        Dialogs::current().message(e.message(), Dialogs::Kind::Error);
    }
}
