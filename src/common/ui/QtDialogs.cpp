#include "QtDialogs.h"
#include "common/Error.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace mirevo {
namespace {

const QString kTitle = QStringLiteral("Mirevo！");

QMessageBox::Icon iconOf(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QMessageBox::Information;
    case Dialogs::Kind::Warning:
        return QMessageBox::Warning;
    case Dialogs::Kind::Error:
        return QMessageBox::Critical;
    case Dialogs::Kind::Hint:
        break;
    }
    return QMessageBox::NoIcon;
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

QWidget* QtDialogs::owner() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return mainWindow_;
}

void QtDialogs::message(const QString& text, Kind kind, Button button)
{
    const auto standard = button == Button::Yes ? QMessageBox::Yes : QMessageBox::Ok;
    QMessageBox box(iconOf(kind), kTitle, visibleText(text), standard, owner());
    box.setTextFormat(Qt::PlainText); // a name from a file is never markup
    box.exec();
}

bool QtDialogs::askYesNo(const QString& text, Kind kind)
{
    QMessageBox box(iconOf(kind), kTitle, visibleText(text), QMessageBox::Yes | QMessageBox::No, owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
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

bool QtDialogs::openWithDesktop(const QString& pathOrAddress)
{
    const QUrl url
        = pathOrAddress.contains(QStringLiteral("://")) ? QUrl(pathOrAddress) : QUrl::fromLocalFile(pathOrAddress);
    return QDesktopServices::openUrl(url);
}

int QtDialogs::exec(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace mirevo
