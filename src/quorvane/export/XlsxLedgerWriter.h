#pragma once
// The ledger as a spreadsheet, written with libxlsxwriter in its constant-memory mode (each row leaves memory
// as the next one starts, so the memory does not grow with the lines). One sheet "Partitario": the heading,
// the grid's captions (frozen, with an autofilter over the columns), then each group's header row, its lines
// and its totals row at outline levels that the spreadsheet collapses, and the selection's totals at the end.
// A ledger longer than a sheet goes on in "Partitario (2)" and so on; the last row of a full sheet says so.

#include "export/ExportHeading.h"
#include "export/ExportTarget.h"
#include "export/LedgerSink.h"
#include "export/LineCells.h"

#include <map>
#include <string>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace quorvane::exporting {

// The rows of one sheet of the spreadsheet's file format.
inline constexpr long sheetRows = 1'048'576;

class XlsxLedgerWriter final : public LedgerSink {
public:
    // Writes into the target's temporary file. `lines` tells how large the file will be (very large files
    // need the zip container's 64-bit extensions). All references stay the caller's.
    XlsxLedgerWriter(const ExportTarget& target, const ExportHeading& heading, const ExportColumns& columns,
                     const LineCells& cells, long lines, long rowsPerSheet = sheetRows);
    ~XlsxLedgerWriter() override;
    XlsxLedgerWriter(const XlsxLedgerWriter&) = delete;
    XlsxLedgerWriter& operator=(const XlsxLedgerWriter&) = delete;

    void groupOpened(const GroupNode& group, int depth) override;
    void line(const db::Recordset& rows, long row, int depth) override;
    void groupClosed(const GroupNode& group, int depth, const SelectionTotals& totals) override;
    void ledgerClosed(const SelectionTotals& totals) override;

    // Assembles the file; throws ExportError when it cannot be written.
    void close();

private:
    struct Formats {
        lxw_format* title = nullptr;
        lxw_format* bold = nullptr;
        lxw_format* caption = nullptr;
        lxw_format* date = nullptr;
        std::map<int, lxw_format*> measures;        // by decimals
        std::map<int, lxw_format*> boldMeasures;
    };

    void createFormats();
    lxw_format* measureFormat(int decimals, bool bold);
    void startSheet();
    void writeHeading();
    void writeCaptions();
    void finishSheet();
    long nextRow(int level);
    void writeText(long row, std::size_t column, const std::string& text, lxw_format* format);
    void writeNumber(long row, std::size_t column, double number, lxw_format* format);
    void writeTotals(long row, const std::string& label, const SelectionTotals& totals);
    void check(int error) const;

    const ExportTarget& target_;
    const ExportHeading& heading_;
    const ExportColumns& columns_;
    const LineCells& cells_;
    const long rowsPerSheet_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    Formats formats_;
    int sheets_ = 0;
    long row_ = -1;                  // the last row written on the sheet
    long captionRow_ = 0;
};

} // namespace quorvane::exporting
