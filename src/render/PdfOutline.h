#pragma once
// Bookmarks (the PDF's outline) added to a PDF that QPdfWriter wrote, which has no outline of
// its own: an incremental update appended to the file (a new catalogue naming the outline, the
// outline items and a cross-reference section for them); the bytes written before stay as
// they are.
#include <QByteArray>
#include <QString>

#include <vector>

namespace mirevo::render {

struct PdfBookmark {
    QString title;
    int page; // 0-based
};

// Appends the bookmarks, in order, to `pdf`. Returns false, leaving `pdf` as it was, when the
// file is not laid out as QPdfWriter lays it out (one catalogue, one page tree, one
// cross-reference table) or a bookmark names a page it does not have.
bool appendOutline(QByteArray& pdf, const std::vector<PdfBookmark>& bookmarks);

} // namespace mirevo::render
