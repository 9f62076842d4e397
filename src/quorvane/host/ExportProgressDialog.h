#pragma once
// The progress of a ledger export in a dialog over the window, with a cancel button: it appears only when
// the export lasts long enough to need it, and keeps the window painted while the lines are written.

#include "export/ExportProgress.h"

#include <QProgressDialog>

namespace quorvane::host {

class ExportProgressDialog final : public exporting::ExportProgress {
public:
    explicit ExportProgressDialog(QWidget* window);

    bool linesWritten(long written, long total) override;
    void cellsShortened(long cells) override { shortenedCells_ = cells; }

    // The cells that lost characters, told once the file is written.
    long shortenedCells() const { return shortenedCells_; }

private:
    QProgressDialog dialog_;
    long shortenedCells_ = 0;
};

} // namespace quorvane::host
