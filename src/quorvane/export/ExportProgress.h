#pragma once
// How a long export reports its progress and hears that the user wants it stopped.

namespace quorvane::exporting {

class ExportProgress {
public:
    virtual ~ExportProgress() = default;
    // `written` of `total` lines are out; answers false when the export is to stop.
    virtual bool linesWritten(long written, long total) = 0;
    // The file is written, but so many of its cells lost characters it cannot hold (CellText.h).
    virtual void cellsShortened(long cells) { (void)cells; }
};

class NoExportProgress final : public ExportProgress {
public:
    bool linesWritten(long, long) override { return true; }
};

} // namespace quorvane::exporting
