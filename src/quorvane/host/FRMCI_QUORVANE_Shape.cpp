// The window's shape across sessions: the size, the split above the lines' detail and the grids' column
// widths the user left when he closed the last window, read back when the next one opens.

#include "FRMCI_QUORVANE.h"

#include "WindowShape.h"

#include "controls/DataGrid.h"
#include "controls/SplitterPanel.h"

#include <QCheckBox>
#include <QScreen>

namespace quorvane::host {

namespace {

// The host's frame the window sits in, once it is shown, or else the screen's available area.
QSize roomFor(const QWidget& window)
{
    if (const QWidget* frame = window.parentWidget(); frame && frame->isVisible())
        return frame->size();
    return window.screen() ? window.screen()->availableGeometry().size() : QSize();
}

} // namespace

// A window opened for the first time takes its design size grown to what its layout asks for, so that no
// caption of its parameters is cut. Either size, and one remembered on a larger screen, fits the room.
void FRMCI_QUORVANE::restoreWindowSize(const QSize& design)
{
    QWidget* window = frameWindow();
    const QSize remembered = readWindowShape().size;
    const QSize wanted = remembered.isValid() ? remembered : design.expandedTo(window->sizeHint());
    const QSize room = roomFor(*window);
    window->resize(room.isValid() ? wanted.boundedTo(room) : wanted);
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
