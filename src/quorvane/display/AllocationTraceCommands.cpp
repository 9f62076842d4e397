#include "display/AllocationTraceCommands.h"

#include "hostfw/ClsGlobal.h"

#include <cmath>

namespace quorvane::display {

std::optional<TraceLine> traceLineOf(const db::Recordset* movements)
{
    if (movements == nullptr || !movements->isOpen() || movements->BOF() || movements->EOF_())
        return std::nullopt;
    const QString number = QString::fromStdString(movements->value("CI12_NUMREG_CO99").toText());
    const int line = static_cast<int>(std::lround(movements->value("CI13_PROGRIGA").toDouble()));
    if (number.isEmpty() || line == 0)
        return std::nullopt;
    return TraceLine{number, line};
}

AllocationTraceCommands::AllocationTraceCommands(QWidget* parent, std::shared_ptr<hostfw::ClsGlobal> session,
                                                 std::shared_ptr<db::Connection> connection)
    : parent_(parent), session_(std::move(session)), connection_(std::move(connection))
{
}

// A viewer without a parent window is this object's to delete; one with a parent goes with it.
AllocationTraceCommands::~AllocationTraceCommands()
{
    if (parent_ == nullptr)
        delete viewer_.data();
}

bool AllocationTraceCommands::open(const db::Recordset* movements, hostfw::TraceDirection direction)
{
    const std::optional<TraceLine> line = traceLineOf(movements);
    if (!line)
        return false;
    if (viewer_.isNull()) {
        viewer_ = new hostfw::AllocationTraceViewer(parent_);
        viewer_->setSession(session_);
        viewer_->setConnection(connection_);
    }
    viewer_->setLine(line->registrationNumber, line->line, direction);
    viewer_->Show();
    return true;
}

} // namespace quorvane::display
