// The window's shape across sessions: the size, the split above the lines' detail and the grids' column
// widths the user left when he closed the last window, read back when the next one opens.

#include "FRMCI_QUORVANE.h"

#include "WindowShape.h"

#include "controls/DataGrid.h"
#include "controls/SplitterPanel.h"

#include <QCheckBox>
#include <QScreen>

namespace quorvane::host {

// A size remembered on a larger screen still fits this one.
void FRMCI_QUORVANE::restoreWindowSize(const QSize& design)
{
    QWidget* window = frameWindow();
    const QRect available = window->screen() ? window->screen()->availableGeometry() : QRect();
    const QSize remembered = readWindowShape().size;
    const QSize size = remembered.isValid() ? firstWindowSize(remembered, remembered, available)
                                            : firstWindowSize(design, window->sizeHint(), available);
    window->resize(size);
}

void FRMCI_QUORVANE::restoreGridShape()
{
    const WindowShape shape = readWindowShape();
    for (controls::DataGrid* grid : {controls_.GRD_MOVIMENTI, controls_.GRD_DETTAGLIO}) {
        const auto widths = shape.grids.find(grid->objectName());
        if (widths != shape.grids.end())
            applyColumnWidths(*grid, widths->second);
    }
    detailPane_.startFrom(shape.detailSplitPercentage);
}

// Only a window whose set-up ran to its end has the grids and the split the user shaped.
void FRMCI_QUORVANE::keepShape()
{
    if (!activated_)
        return;
    WindowShape shape;
    QWidget* window = frameWindow();
    if (window->windowState() == Qt::WindowNoState)
        shape.size = window->size();
    shape.detailSplitPercentage = detailPane_.openPercentage(*controls_.ARQ_SPLIT, controls_.CHK_VIEWRIGHE->isChecked());
    for (controls::DataGrid* grid : {controls_.GRD_MOVIMENTI, controls_.GRD_DETTAGLIO})
        shape.grids[grid->objectName()] = columnWidths(*grid);
    keepWindowShape(shape);
}

} // namespace quorvane::host
