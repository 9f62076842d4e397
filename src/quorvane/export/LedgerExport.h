#pragma once
// The export of a processed ledger, from the window ("Esporta…") or from the command line: the whole ledger
// or one group, to a spreadsheet (XLSX) or to CSV, with the same columns, captions, groups and totals as the
// window: lines in the ledger's currency under the grid's captions, which name it, and totals in the
// currency the window shows them in, named beside them. The file appears under its name only when complete.

#include "db/Recordset.h"
#include "display/CellFormats.h"
#include "engine/BreakLevels.h"
#include "engine/Countervalue.h"
#include "engine/GroupTree.h"
#include "export/CsvLedgerWriter.h"
#include "export/ExportComparison.h"
#include "export/ExportColumns.h"
#include "export/ExportHeading.h"
#include "export/ExportProgress.h"
#include "export/XlsxLedgerWriter.h"

#include <string>
#include <vector>

namespace quorvane::exporting {

enum class ExportFormat { Xlsx, Csv };
enum class ExportOutcome { Written, Cancelled };

// The processed ledger as the window holds it after the display's configuration.
struct LedgerSource {
    const db::Recordset& movements;          // sorted for display; read through clones only
    const GroupTree& tree;                   // empty for an ungrouped ledger
    const ArrayRotture& levels;              // the tree's break levels
    const ExportColumns& columns;            // the movement grid's shown columns
    const display::CellFormats& formats;     // the movement grid's cell formats
    const Countervalue& countervalue;        // the totals' display currency, as the window's totals show them
    ExportHeading heading;                   // without the group and the totals' currency: added here
    const ExportComparison* comparison = nullptr;   // none when the ledger was not compared; CSV lines omit it
};

struct ExportRequest {
    std::string path;
    ExportFormat format = ExportFormat::Xlsx;
    const GroupNode* group = nullptr;        // none: the whole ledger
    CsvOptions csv;
    long rowsPerSheet = sheetRows;
    std::vector<std::string> filesRead;      // the company database: never replaced by the export
};

// Writes the file. Throws ExportError naming the file when it cannot be written, and db::Error from the
// movement set; either way, as after a cancel, nothing is left under the file's name.
ExportOutcome exportLedger(const LedgerSource& source, const ExportRequest& request, ExportProgress& progress);

// The captions of the group and of the groups above it, outermost first, joined by " / ".
std::string groupPath(const GroupNode& group);

} // namespace quorvane::exporting
