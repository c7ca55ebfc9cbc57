#include "QtDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace mirevo {
namespace {

QWidget* owner()
{
    return QApplication::activeWindow();
}

// "anz|*.anz" (the filter form the program uses) → "anz (*.anz)".
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return out.isEmpty() ? filter : out.join(QStringLiteral(";;"));
}

} // namespace

void QtDialogs::message(const QString& text, Kind kind)
{
    const QString title = QStringLiteral("Mirevo！");
    switch (kind) {
    case Kind::Information: QMessageBox::information(owner(), title, text); break;
    case Kind::Warning: QMessageBox::warning(owner(), title, text); break;
    case Kind::Error: QMessageBox::critical(owner(), title, text); break;
    case Kind::Hint: QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner()).exec(); break;
    }
}

bool QtDialogs::askYesNo(const QString& text)
{
    return QMessageBox::warning(owner(), QStringLiteral("Mirevo！"), text,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

QString QtDialogs::openFileName(const QString& filter, const QString& folder)
{
    return QFileDialog::getOpenFileName(owner(), QString(), folder, qtFilter(filter));
}

QString QtDialogs::saveFileName(const QString& filter, const QString& folder, const QString& proposedName)
{
    // The dialog must not add or check an extension: the caller applies its
    // own naming rule to exactly what the user typed.
    QFileDialog dialog(owner(), QString(), folder, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::beep()
{
    QApplication::beep();
}

void QtDialogs::openWithDesktop(const QString& pathOrAddress)
{
    const QUrl url = pathOrAddress.contains(QStringLiteral("://"))
        ? QUrl(pathOrAddress)
        : QUrl::fromLocalFile(pathOrAddress);
    QDesktopServices::openUrl(url);
}

} // namespace mirevo
