#pragma once
// The ledger's lines as CSV in UTF-8 (with the byte-order mark a spreadsheet needs to read it as UTF-8),
// RFC 4180 quoting and CR LF line ends. By default the fields are separated by ";" and numbers carry a
// decimal comma, which an Italian spreadsheet opens directly. A flat file has no group rows: each line
// starts with one column per grouping level that holds the caption of its group at that level.

#include "engine/BreakLevels.h"
#include "export/ExportTarget.h"
#include "export/LedgerSink.h"
#include "export/LineCells.h"

#include <cstdio>
#include <string>
#include <vector>

namespace quorvane::exporting {

struct CsvOptions {
    char separator = ';';
    char decimalPoint = ',';
};

class CsvLedgerWriter final : public LedgerSink {
public:
    // Writes into the target's temporary file. All references stay the caller's.
    CsvLedgerWriter(const ExportTarget& target, const ExportColumns& columns, const LineCells& cells,
                    const ArrayRotture& levels, CsvOptions options);
    ~CsvLedgerWriter() override;
    CsvLedgerWriter(const CsvLedgerWriter&) = delete;
    CsvLedgerWriter& operator=(const CsvLedgerWriter&) = delete;

    void groupOpened(const GroupNode& group, int depth) override;
    void line(const db::Recordset& rows, long row, int depth) override;
    void groupClosed(const GroupNode&, int, const SelectionTotals&) override {}
    void ledgerClosed(const SelectionTotals&) override {}

    // Flushes and closes the file; throws ExportError when it cannot be written.
    void close();
    // The cells that lost characters the file cannot hold (CellText.h).
    long shortenedCells() const { return shortenedCells_; }

private:
    void field(std::string_view text, bool first = false);
    void textField(std::string_view text, bool first = false);
    void endLine();
    std::string number(const db::Value& value, const ExportColumn& column) const;

    const ExportTarget& target_;
    const ExportColumns& columns_;
    const LineCells& cells_;
    const CsvOptions options_;
    std::FILE* file_ = nullptr;
    std::string line_;
    std::vector<std::string> path_;     // the open group's caption at each level, outermost first
    long shortenedCells_ = 0;
};

} // namespace quorvane::exporting
