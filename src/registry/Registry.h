#pragma once
#include "common/TextGrid.h"

#include <QByteArray>
#include <QString>

namespace mirevo {

// The company registry: the company list and the worker master list, kept
// in "kaisya_set.kss" in the program folder.
class Registry {
public:
    static constexpr int kCompanyRows = 25;
    static constexpr int kWorkerRows = 49;

    Registry();

    TextGrid companies;
    TextGrid workers;

    static QString fileName();

    // Reads the registry file. A missing file at first start is an empty
    // registry. A short file or bad count line throws Error naming the file
    // and line; rows read so far stay and the clean-up is not done.
    // The program's own file is parsed only when its bytes differ from those
    // of the last complete read; otherwise the lists return to what that
    // read gave, which is what parsing again would give.
    void load();
    void load(const QString& path);
    // Whether the last read stopped at a fault: the lists then hold only
    // part of the file, and writing them would lose the rest.
    bool readFailed() const { return readFailed_; }
    void save() const;
    void save(const QString& path) const;

private:
    void read(const QString& path, const QByteArray& bytes);

    bool readFailed_ = false;
    QString readPath_; // of the last complete read
    QByteArray readBytes_;
    TextGrid readCompanies_; // the lists as that read left them
    TextGrid readWorkers_;
};

} // namespace mirevo
