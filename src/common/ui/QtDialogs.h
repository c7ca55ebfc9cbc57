#pragma once
#include "common/Dialogs.h"

namespace mirevo {

// The production door: Qt message boxes and file dialogs, the desktop's
// default programs through QDesktopServices.
class QtDialogs final : public Dialogs {
public:
    void message(const QString& text, Kind kind) override;
    bool askYesNo(const QString& text) override;
    QString openFileName(const QString& filter, const QString& folder) override;
    QString saveFileName(const QString& filter, const QString& folder,
                         const QString& proposedName) override;
    void beep() override;
    void openWithDesktop(const QString& pathOrAddress) override;
};

} // namespace mirevo
