#include "Manual.h"
#include "common/Dialogs.h"
#include "common/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace mirevo {

QString manualFile()
{
    return findResource(QStringLiteral("Mirevo【取扱説明書】.pdf"));
}

void openManual()
{
    const QString path = manualFile();
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        Dialogs::current().message(QStringLiteral("取扱説明書が見つかりません。\n%1").arg(shown),
                                   Dialogs::Kind::Warning);
        return;
    }
    if (!Dialogs::current().openWithDesktop(path))
        Dialogs::current().message(
            QStringLiteral("取扱説明書を開けませんでした。PDF を表示するプログラムがありません。\n%1").arg(shown),
            Dialogs::Kind::Warning);
}

} // namespace mirevo
