#include "export/LedgerExport.h"

#include "engine/NumberFormat.h"
#include "export/LedgerWalk.h"
#include "export/LineCells.h"
#include "export/TotalsRoom.h"
#include "hostfw/Phrases.h"
#include "hostfw/UserLanguage.h"

namespace quorvane::exporting {
namespace {

template <class Writer>
void write(Writer& writer, LedgerWalk& walk, ExportProgress& progress)
{
    walk.run(writer, progress);
    writer.close();
    if (writer.shortenedCells() > 0)
        progress.cellsShortened(writer.shortenedCells());
}

// As the window's exchange-rate field shows a rate, in the user's language.
constexpr const char* rateFormat = "###,##0.000000";

std::string totalsCurrency(const std::optional<Countervalue::Conversion>& conversion)
{
    if (!conversion)
        return {};
    const std::string rate = formatNumber(conversion->rate, rateFormat, hostfw::userLanguage());
    return hostfw::userText("Totali in %1 al cambio %2")
        .arg(QString::fromStdString(conversion->currency), QString::fromStdString(rate))
        .toStdString();
}

// The grid's columns wide enough for the totals; a spreadsheet's then end with the comparison's.
ExportColumns exportedColumns(const LedgerSource& source, ExportFormat format)
{
    ExportColumns columns = withRoomForTotals(source.columns, source.movements, source.countervalue);
    if (format == ExportFormat::Xlsx && source.comparison)
        return withComparisonColumns(std::move(columns), *source.comparison);
    return columns;
}

} // namespace

std::string groupPath(const GroupNode& group)
{
    std::string path = group.text;
    for (const GroupNode* above = group.parent; above; above = above->parent)
        path = above->text + " / " + path;
    return path;
}

ExportOutcome exportLedger(const LedgerSource& source, const ExportRequest& request, ExportProgress& progress)
{
    ExportTarget target(request.path, "the export file", request.filesRead);
    const ExportColumns columns = exportedColumns(source, request.format);
    const LineCells cells(columns, source.formats, source.movements);
    LedgerWalk walk(source.movements, source.tree, request.group);
    try {
        if (request.format == ExportFormat::Csv) {
            CsvLedgerWriter writer(target, columns, cells, source.levels, request.csv);
            write(writer, walk, progress);
        } else {
            ExportHeading heading = source.heading;
            heading.group = request.group ? groupPath(*request.group) : std::string();
            heading.totalsCurrency = totalsCurrency(source.countervalue.conversion());
            XlsxLedgerWriter writer(target, heading, columns, cells, source.countervalue, walk.lines(),
                                    request.rowsPerSheet, source.comparison);
            write(writer, walk, progress);
        }
    } catch (const ExportCancelled&) {
        return ExportOutcome::Cancelled;
    }
    target.commit();
    return ExportOutcome::Written;
}

} // namespace quorvane::exporting
