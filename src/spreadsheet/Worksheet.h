#pragma once
// One worksheet of a workbook with the automation members of a sheet.
#include "Range.h"
#include "SheetData.h"

#include <memory>
#include <string>
#include <string_view>

class QString;

namespace mirevo::sheet {

class SheetSource;
class Workbook;
class Worksheet;

// Sheet visibility codes of the automation member Visible.
enum SheetVisibility { xlSheetVisible = -1, xlSheetHidden = 0, xlSheetVeryHidden = 2 };

// Named arguments of Copy and Move, as in `sheet.Copy(After{other})`.
struct After {
    Worksheet& sheet;
};
struct Before {
    Worksheet& sheet;
};

class PageSetupRef {
public:
    explicit PageSetupRef(Worksheet& sheet) : sheet_(sheet) { }
    // Margins in points, as automation gives them; the file holds inches.
    void setTopMargin(double points) const;
    void setBottomMargin(double points) const;
    void setLeftMargin(double points) const;
    void setRightMargin(double points) const;
    void setZoom(int percent) const;
    void setPaperSize(int code) const;   // 9 A4, 8 A3, ...
    void setOrientation(int code) const; // 1 portrait, 2 landscape
    double TopMargin() const;
    double BottomMargin() const;
    double LeftMargin() const;
    double RightMargin() const;
    int Zoom() const;
    int PaperSize() const;
    int Orientation() const;

private:
    Worksheet& sheet_;
};

class PageBreakList {
public:
    explicit PageBreakList(Worksheet& sheet) : sheet_(sheet) { }
    // Manual page break above the range's first row.
    void Add(const CellRange& before) const;
    int Count() const;

private:
    Worksheet& sheet_;
};

class Worksheet {
public:
    Worksheet(Workbook& book, std::string name);

    // The workbook; throws for a deleted sheet.
    Workbook& Parent() const;
    const std::string& Name() const;
    void setName(std::string_view name);
    void setName(const QString& name);
    void setName(const char* name) { setName(std::string_view(name)); }
    // 1-based position in the workbook.
    int Index() const;

    // Refused for a hidden sheet, as in the spreadsheet.
    void Select();
    // xlSheetVisible, xlSheetHidden or xlSheetVeryHidden (any other value shows the sheet).
    // Hiding the last visible sheet is refused; hiding the active sheet activates the next
    // visible one.
    int Visible() const { return visible_; }
    void setVisible(int state);
    // Copies the sheet behind `after`, which may belong to another workbook; returns the copy.
    Worksheet& Copy(After after);
    Worksheet& Copy(Before before);
    void Move(After after);
    void Delete();

    CellRange Range(std::string_view ref);
    CellRange Range(std::string_view first, std::string_view last);
    CellRange Range(const QString& ref);
    CellRange Range(const QString& first, const QString& last);
    CellRange Range(const char* first, const char* last)
    {
        return Range(std::string_view(first), std::string_view(last));
    }
    CellRange Range(const char* ref) { return Range(std::string_view(ref)); }
    CellRange Cells(int row, int col);
    CellRange Columns(int index);
    CellRange Rows(int index);
    PageBreakList HPageBreaks() { return PageBreakList(*this); }
    PageSetupRef PageSetup() { return PageSetupRef(*this); }

    // Engine internals, used by the package writer and reader. The contents of a sheet opened
    // on demand are read from its part here, the first time; a malformed part throws
    // SheetError naming the file and the part, then and at every later call.
    SheetData& data()
    {
        readSource();
        return data_;
    }
    const SheetData& data() const
    {
        readSource();
        return data_;
    }
    bool isDeleted() const { return book_ == nullptr; }
    // The part the contents are still to be read from; null once they are read.
    SheetSource* source() const { return source_.get(); }
    void setSource(std::shared_ptr<SheetSource> source) { source_ = std::move(source); }

private:
    friend class Workbook;
    void checkAlive() const;
    void readSource() const
    {
        if (source_)
            readFromSource();
    }
    void readFromSource() const;

    Workbook* book_;
    std::string name_;
    int visible_ = xlSheetVisible;
    mutable SheetData data_;
    mutable std::shared_ptr<SheetSource> source_;
};

} // namespace mirevo::sheet
