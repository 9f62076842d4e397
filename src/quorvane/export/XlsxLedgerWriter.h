#pragma once
// The ledger as a spreadsheet: each group's header row, its lines and its totals row at outline levels that
// the spreadsheet collapses, and the selection's totals at the end. Amounts are written exactly as the
// ledger holds them (LedgerAmount.h), so a cell reads back as the shortest decimal of its amount; totals
// are in the currency the window shows them in, and a totals row names that currency when it is not the
// lines' own. The rows are prepared from the movement
// set on the caller's thread and written by the spreadsheet library on a thread of its own, so that reading
// the lines and writing the file share the processor's cores; the movement set is read on the caller's
// thread only.

#include "engine/Countervalue.h"
#include "export/CellText.h"
#include "export/ExportComparison.h"
#include "export/LedgerSink.h"
#include "export/LineCells.h"
#include "export/XlsxSheets.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace quorvane::exporting {

class XlsxLedgerWriter final : public LedgerSink {
public:
    // All references stay the caller's; see XlsxSheets. With a comparison, the columns end with its three.
    XlsxLedgerWriter(const ExportTarget& target, const ExportHeading& heading, const ExportColumns& columns,
                     const LineCells& cells, const Countervalue& countervalue, long lines,
                     long rowsPerSheet = sheetRows, const ExportComparison* comparison = nullptr);
    // An export that did not close stops the writing thread and drops the workbook.
    ~XlsxLedgerWriter() override;
    XlsxLedgerWriter(const XlsxLedgerWriter&) = delete;
    XlsxLedgerWriter& operator=(const XlsxLedgerWriter&) = delete;

    void groupOpened(const GroupNode& group, int depth) override;
    void line(const db::Recordset& rows, long row, int depth) override;
    void groupClosed(const GroupNode& group, int depth, const SelectionTotals& totals) override;
    void ledgerClosed(const SelectionTotals& totals) override;

    // Writes the rows still waiting and assembles the file; throws ExportError when it cannot be written.
    void close();
    long shortenedCells() const { return sheets_.shortenedCells(); }

private:
    // A column's last text and the cell's text made of it.
    struct LastText {
        std::string text;
        CellText held;
        bool filled = false;
    };

    const CellText& heldText(std::size_t column, const std::string& text);
    SheetRow totalsRow(int level, const std::string& label, const SelectionTotals& totals,
                       const db::Decimal* compared) const;
    void addComparison(SheetRow& row, const db::Decimal& balance, const db::Decimal& compared) const;
    double shownAmount(const db::Decimal& total, int decimals) const;
    void hand(SheetRow row);
    void handBatch();
    void stopWriting();
    void writeBatches();

    const ExportColumns& columns_;
    const LineCells& cells_;
    const Countervalue& countervalue_;
    const std::optional<Countervalue::Conversion> conversion_;   // none: the totals are the lines' currency
    const ExportComparison* comparison_;
    XlsxSheets sheets_;
    std::vector<LastText> lastTexts_;   // by column
    std::vector<SheetRow> batch_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<SheetRow>> waiting_;
    bool ended_ = false;
    std::exception_ptr failure_;
    std::thread writer_;
};

} // namespace quorvane::exporting
