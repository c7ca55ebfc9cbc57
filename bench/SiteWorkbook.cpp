#include "SiteWorkbook.h"

#include <string>

namespace mirevo::bench {

using namespace mirevo::sheet;

namespace {

constexpr int kRosterForm = 5; // the worker roster: 93-row pages, 12 worker slots each
constexpr int kSlotRows = 6;
constexpr int kFirstSlotRow = 8;

int formRows(int form)
{
    return form == kRosterForm ? 93 : 66 + (form * 7) % 28;
}
int formCols(int form)
{
    return form == kRosterForm ? 72 : 40 + (form * 13) % 33;
}
bool isPaged(int form)
{
    return form == 2 || form == 3 || form == kRosterForm || form == 8;
}

std::string cell(int row, int col)
{
    return cellName(row, col);
}

std::string formName(int form)
{
    return std::to_string(form + 1) + ".書式" + std::to_string(form + 1);
}

void setUpPage(Worksheet& ws, int rows, int cols)
{
    const std::string area = "A1:" + cell(rows, cols);
    ws.Range(area).Font().setName("ＭＳ Ｐ明朝");
    ws.Range(area).Font().setSize(10);
    ws.Range("A1:A" + std::to_string(rows)).setRowHeight(12.5);
    ws.Range("A3").setRowHeight(7.5);
    ws.Range(cell(1, 2), cell(1, cols)).setColumnWidth(2);
    for (int c = 9; c <= cols; c += 9)
        ws.Columns(c).setColumnWidth(4);
    ws.Range("A1").setColumnWidth(3);
    PageSetupRef page = ws.PageSetup();
    page.setTopMargin(0);
    page.setBottomMargin(0);
    page.setLeftMargin(0);
    page.setRightMargin(0);
    page.setZoom(100);
    page.setPaperSize(8);
    page.setOrientation(2);
}

// A merged labelled box as the layout routines draw it.
void box(Worksheet& ws, int r1, int c1, int r2, int c2, const std::string& text, int align = hAlignCenter)
{
    CellRange r = ws.Range(cell(r1, c1), cell(r2, c2));
    r.setMergeCells(true);
    r.setHorizontalAlignment(align);
    r.setVerticalAlignment(vAlignCenter);
    r.setShrinkToFit(true);
    if (!text.empty())
        ws.Range(cell(r1, c1)).setValue(text);
}

void drawHeader(Worksheet& ws, int form, int cols)
{
    box(ws, 1, 3, 1, 9, "全建統一様式第" + std::to_string(form + 1) + "号", hAlignLeft);
    ws.Range("C1").Font().setBold(true);
    box(ws, 1, cols - 20, 2, cols - 8, " 書　　式　　" + std::to_string(form + 1));
    ws.Range(cell(1, cols - 20)).Font().setSize(18);
    box(ws, 4, 3, 5, 7, "事業所の名称");
    box(ws, 4, 8, 5, 20, "");
    ws.Range(cell(5, 8), cell(5, 20)).Borders(borderBottom).setWeight(xlThin);
    ws.Range("C6").Font().setColor(255);
}

// One slot of the repeated block: boxes of four columns, two rows high, with rules.
void drawSlot(Worksheet& ws, int top, int cols)
{
    for (int c = 3; c + 3 <= cols; c += 4)
        for (int r = top; r < top + kSlotRows; r += 2)
            box(ws, r, c, r + 1, c + 3, "");
    ws.Range(cell(top + kSlotRows - 1, 3), cell(top + kSlotRows - 1, cols)).Borders(borderBottom).setWeight(xlThin);
    ws.Range(cell(top, 2), cell(top + kSlotRows - 1, cols)).Borders(borderRight).setWeight(xlThin);
    ws.Range(cell(top + 1, 3), cell(top + 3, cols)).Borders(borderBottom).setWeight(xlHairline);
    ws.Range(cell(top, cols - 7), cell(top + 1, cols - 4)).Borders(borderDiagonalDown).setWeight(xlHairline);
}

void drawFooter(Worksheet& ws, int rows)
{
    ws.Range(cell(rows - 6, 1), cell(rows, 40)).Font().setSize(8);
    for (int r = rows - 6; r <= rows; ++r)
        ws.Range(cell(r, 3))
            .setValue("（注） " + std::to_string(r) + ". 記載事項の一部について、別紙を用いて記載しても差し支えない。");
}

void drawForm(Worksheet& ws, int form)
{
    const int rows = formRows(form);
    const int cols = formCols(form);
    setUpPage(ws, rows, cols);
    drawHeader(ws, form, cols);
    for (int top = kFirstSlotRow; top + kSlotRows <= rows - 7; top += kSlotRows)
        drawSlot(ws, top, cols);
    drawFooter(ws, rows);
}

void repeatPages(Worksheet& ws, int rows, int pages)
{
    ws.Range("A1", "A" + std::to_string(rows)).EntireRow().Copy();
    for (int k = 1; k < pages; ++k) {
        const std::string at = "A" + std::to_string(1 + k * rows);
        ws.HPageBreaks().Add(ws.Range(at));
        ws.Range(at).EntireRow().PasteSpecial();
    }
    ws.HPageBreaks().Add(ws.Range("A" + std::to_string(1 + pages * rows)));
}

void writeWorker(Worksheet& ws, int k, int cols)
{
    const int page = (k - 1) / 12;
    const int top = kFirstSlotRow + 93 * page + kSlotRows * ((k - 1) % 12);
    ws.Range(cell(top, 3)).setValue(std::to_string(k));
    ws.Range(cell(top + 2, 3)).setValue("ヤマダ タロウ" + std::to_string(k));
    ws.Range(cell(top + 4, 3)).setValue("山田 太郎" + std::to_string(k));
    for (int c = 7; c + 3 <= cols; c += 4) {
        ws.Range(cell(top, c)).setValue("'0" + std::to_string(c * 100 + k % 97));
        ws.Range(cell(top + 2, c)).setValue("2024/04/" + std::to_string(1 + k % 28));
    }
}

} // namespace

Workbook& buildSiteWorkbook(Application& app, const SiteShape& shape)
{
    Workbook& forms = app.Workbooks().Add();
    for (int f = 0; f < shape.forms; ++f) {
        Worksheet& ws = f == 0 ? forms.Sheets(1) : forms.Sheets().Add(After{forms.Sheets(f)});
        ws.setName(formName(f));
        drawForm(ws, f);
    }
    Workbook& out = app.Workbooks().Add();
    const int rosters = (shape.sheets + shape.forms - 1 - kRosterForm) / shape.forms;
    int workersLeft = shape.workers;
    int rostersLeft = rosters;
    for (int i = 0; i < shape.sheets; ++i) {
        const int form = i % shape.forms;
        Worksheet& ws = forms.Sheets(form + 1).Copy(After{out.Sheets(out.Sheets().Count())});
        ws.setName(formName(form) + "【会社" + std::to_string(i / shape.forms + 1) + "】");
        if (!isPaged(form))
            continue;
        int workers = 0;
        if (form == kRosterForm) {
            workers = (workersLeft + rostersLeft - 1) / rostersLeft;
            workersLeft -= workers;
            --rostersLeft;
        }
        repeatPages(ws, formRows(form), form == kRosterForm ? std::max(1, (workers + 11) / 12) : 2);
        for (int k = 1; k <= workers; ++k)
            writeWorker(ws, k, formCols(form));
    }
    out.Sheets(1).Delete();
    out.Sheets(1).Select();
    forms.Close(false);
    return out;
}

} // namespace mirevo::bench
