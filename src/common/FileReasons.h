#pragma once
#include <QString>

namespace mirevo {

// The reason shown for a failed save or read: `errnum` in words (disk full,
// no permission …), else `systemText`.
QString fileFailureReason(int errnum, const QString& systemText = {});

// What a file that is neither regular nor a folder is, by its `st_mode`:
// "名前付きパイプ", "デバイス" …
QString specialFileKind(unsigned mode);

} // namespace mirevo
