#pragma once
#include <QString>
#include <QStringList>

namespace mirevo {

class TextGrid;

// One grid row as one line of text, items joined by ",".
// An item is quoted (inner quotes doubled) when it holds a double quote,
// a comma or a character from U+0001 to U+0020; everything else is bare,
// a full-width blank included.
QString writeCommaText(const QStringList& items);

// Reads a comma-text line. Blanks and control characters around items are
// skipped; a bare item ends at a comma or at a character up to U+0020; a
// comma at the very end yields one more empty item; an empty line yields
// no items at all.
QStringList readCommaText(const QString& line);

QString rowToCommaText(const TextGrid& grid, int row);
void rowFromCommaText(TextGrid& grid, int row, const QString& line);

// A row copied between windows: every empty item comes back as " ".
QStringList withBlankForEmpty(const QStringList& items);

} // namespace mirevo
