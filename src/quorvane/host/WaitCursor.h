#pragma once
// The hourglass with the arrow while a long step blocks the window.

#include <QApplication>

namespace quorvane::host {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace quorvane::host
