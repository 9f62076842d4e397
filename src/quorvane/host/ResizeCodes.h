#pragma once
// The anchoring code the form resizer gives each control of the window (a combination of the
// resizer's anchoring bits): the panels and grids that grow with the window, the command buttons
// that follow its right and bottom edges. Each control carries its code in the property "resizeCode".

#include <QStringList>

#include <span>

class QWidget;

namespace quorvane::host {

struct ResizeCode {
    const char* control;
    int code;
};

std::span<const ResizeCode> resizeCodes();

// Gives every listed child of the window its code; answers the names it could not find.
QStringList applyResizeCodes(QWidget* window);

} // namespace quorvane::host
