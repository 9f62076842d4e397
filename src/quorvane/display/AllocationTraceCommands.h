#pragma once
// CMD_LEFT and CMD_RIGHT: the allocation history of the current movement line, its origins (left) or its
// destinations (right), in the host's allocation-trace viewer. The viewer is made at the first use and kept
// for the window's life.

#include "db/Recordset.h"
#include "hostfw/AllocationTraceViewer.h"

#include <QPointer>

#include <memory>
#include <optional>

namespace hostfw {
class ClsGlobal;
}

namespace quorvane::display {

struct TraceLine {
    QString registrationNumber;
    int line = 0;
};

// The current row's line, when the set has a current row with a registration number and a line number
// other than 0; nothing otherwise.
std::optional<TraceLine> traceLineOf(const db::Recordset* movements);

class AllocationTraceCommands {
public:
    // The viewer window's parent; the session and the connection stay the window's.
    AllocationTraceCommands(QWidget* parent, std::shared_ptr<hostfw::ClsGlobal> session,
                            std::shared_ptr<db::Connection> connection);
    ~AllocationTraceCommands();

    // Does nothing for a row without a line to trace; answers whether the viewer was shown.
    bool open(const db::Recordset* movements, hostfw::TraceDirection direction);

    hostfw::AllocationTraceViewer* viewer() const { return viewer_; }

private:
    QWidget* parent_;
    std::shared_ptr<hostfw::ClsGlobal> session_;
    std::shared_ptr<db::Connection> connection_;
    QPointer<hostfw::AllocationTraceViewer> viewer_;
};

} // namespace quorvane::display
