#pragma once
#include "common/TextGrid.h"

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
    void load();
    void load(const QString& path);
    void save() const;
    void save(const QString& path) const;
};

} // namespace mirevo
