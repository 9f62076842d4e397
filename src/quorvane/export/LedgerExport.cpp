#include "export/LedgerExport.h"

#include "export/LedgerWalk.h"
#include "export/LineCells.h"

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
    const LineCells cells(source.columns, source.formats, source.movements);
    LedgerWalk walk(source.movements, source.tree, request.group);
    try {
        if (request.format == ExportFormat::Csv) {
            CsvLedgerWriter writer(target, source.columns, cells, source.levels, request.csv);
            write(writer, walk, progress);
        } else {
            ExportHeading heading = source.heading;
            heading.group = request.group ? groupPath(*request.group) : std::string();
            XlsxLedgerWriter writer(target, heading, source.columns, cells, walk.lines(), request.rowsPerSheet);
            write(writer, walk, progress);
        }
    } catch (const ExportCancelled&) {
        return ExportOutcome::Cancelled;
    }
    target.commit();
    return ExportOutcome::Written;
}

} // namespace quorvane::exporting
