#pragma once
// The printed pages of a workbook, sheet by sheet, and painting them on any paged device:
// a PDF writer, a printer, or an image for the screen.
#include "Pagination.h"

#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace mirevo::sheet {
class Workbook;
}

namespace mirevo::render {

class CellPainter;

class WorkbookPages {
public:
    // Pages of the given sheets (0-based positions, in the order given); when empty, every sheet
    // that is not hidden or very hidden.
    explicit WorkbookPages(const sheet::Workbook& book, const std::vector<int>& sheets = {});
    ~WorkbookPages();

    struct PageRef {
        const SheetPagination* sheet;
        int page; // within the sheet
    };
    int pageCount() const { return int(refs_.size()); }
    PageRef page(int index) const { return refs_[size_t(index)]; }
    const std::vector<std::unique_ptr<SheetPagination>>& sheets() const { return sheets_; }

private:
    std::vector<std::unique_ptr<SheetPagination>> sheets_;
    std::vector<PageRef> refs_;
};

// Paints one page with the paper's top-left corner at the painter's origin and one point as
// the user unit; `cells` must belong to the page's sheet.
void paintPage(QPainter& painter, const SheetPagination& sheet, int page, CellPainter& cells);

// Prints pages first..last (0-based, inclusive) on `device`, each on its sheet's paper and
// orientation; the device must not be painting yet. Returns the number of pages printed.
int printPages(QPagedPaintDevice& device, const WorkbookPages& pages, int first, int last);

} // namespace mirevo::render
