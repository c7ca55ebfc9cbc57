#pragma once
// One worksheet on screen, at a zoom: either the cells with grid lines and the page
// boundaries as dashed lines, or the printed pages one below the other on grey.
#include <QAbstractScrollArea>

#include <memory>

namespace mirevo::sheet {
class Worksheet;
}

namespace mirevo::render {

class CellPainter;
class SheetGeometry;
class SheetPagination;

class SheetView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit SheetView(QWidget* parent = nullptr);
    ~SheetView() override;

    // Shows `sheet` (nullptr: nothing); the sheet must outlive the view or be replaced first.
    void setSheet(const sheet::Worksheet* sheet);
    const sheet::Worksheet* sheet() const { return sheet_; }
    // Zoom in percent (10–400): 100 shows a point as 96/72 pixels, as the spreadsheet does.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    void setPageView(bool on);
    bool pageView() const { return pageView_; }
    // Pages the sheet prints on (0 for an empty sheet).
    int pageCount() const;
    // Top-left of page `index` in the page view, in widget pixels at scroll position 0.
    QPoint pageOrigin(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double pixelsPerPoint() const;
    QSize contentSize() const;
    void updateScrollBars();
    void paintCells(QPainter& painter);
    void paintPageBreaks(QPainter& painter);
    void paintPages(QPainter& painter);

    const sheet::Worksheet* sheet_ = nullptr;
    std::unique_ptr<SheetPagination> pages_;
    std::unique_ptr<SheetGeometry> geometry_; // the cells shown in the normal view
    std::unique_ptr<CellPainter> cellPainter_;
    std::unique_ptr<CellPainter> pagePainter_;
    int zoom_ = 100;
    bool pageView_ = false;
};

} // namespace mirevo::render
