#pragma once
// The ledger's spreadsheet file, written with libxlsxwriter in its constant-memory mode (each row leaves
// memory as the next one starts, so the memory does not grow with the lines). One sheet "Partitario": the
// heading, the grid's captions (frozen, with an autofilter over the columns), then the rows as they come, at
// their outline levels. Past a sheet's rows the ledger goes on in "Partitario (2)" and so on; the last row of
// a full sheet says so. Used from one thread at a time.

#include "export/ExportColumns.h"
#include "export/ExportHeading.h"
#include "export/ExportTarget.h"
#include "export/SheetRow.h"

#include <map>
#include <string>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace quorvane::exporting {

// The rows of one sheet of the spreadsheet's file format.
inline constexpr long sheetRows = 1'048'576;

class XlsxSheets {
public:
    // Writes into the target's temporary file; `lines` tells how large the file will be (very large files need
    // the zip container's 64-bit extensions). All references stay the caller's.
    XlsxSheets(const ExportTarget& target, const ExportHeading& heading, const ExportColumns& columns, long lines,
               long rowsPerSheet);
    // A workbook that was not closed is dropped without assembling the file.
    ~XlsxSheets();
    XlsxSheets(const XlsxSheets&) = delete;
    XlsxSheets& operator=(const XlsxSheets&) = delete;

    // Throws ExportError.
    void write(const SheetRow& row);
    // Assembles the file; throws ExportError when it cannot be written.
    void close();
    // The cells that lost characters the file cannot hold (CellText.h), or past a cell's length.
    long shortenedCells() const { return shortenedCells_; }

private:
    struct Formats {
        lxw_format* title = nullptr;
        lxw_format* bold = nullptr;
        lxw_format* caption = nullptr;
        lxw_format* date = nullptr;
        std::map<std::pair<int, bool>, lxw_format*> measures;   // by decimals and boldness
    };

    void createFormats();
    lxw_format* measureFormat(int decimals, bool bold);
    lxw_format* formatOf(const SheetCell& cell);
    void startSheet();
    void writeHeading();
    void writeCaptions();
    void finishSheet();
    long nextRow(int level);
    void writeText(long row, std::size_t column, const std::string& text, lxw_format* format);
    void check(int error) const;

    const ExportTarget& target_;
    const ExportHeading& heading_;
    const ExportColumns& columns_;
    const long rowsPerSheet_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    Formats formats_;
    int sheets_ = 0;
    long row_ = -1;                  // the last row written on the sheet
    long captionRow_ = 0;
    long shortenedCells_ = 0;
};

} // namespace quorvane::exporting
