#pragma once
// The host's allocation-trace viewer: for one movement line, the lines it was allocated from (its origins)
// or the lines it was allocated to (its destinations), as the allocation runs recorded them in
// CI5C_TRACCIARIB, each with its account, expense item, share and amount. A program creates it once, hands
// it the session and its connection, and shows it for a line whenever the user asks.

#include "db/Connection.h"

#include <QDialog>

#include <memory>
#include <string>

class QTreeWidget;

namespace hostfw {

class ClsGlobal;

enum class TraceDirection : int { Origins = 0, Destinations = 1 };

class AllocationTraceViewer : public QDialog {
    Q_OBJECT
public:
    explicit AllocationTraceViewer(QWidget* parent = nullptr);

    void setSession(std::shared_ptr<ClsGlobal> session) { session_ = std::move(session); }
    // The program's own connection, on which its reads run.
    void setConnection(std::shared_ptr<db::Connection> connection) { connection_ = std::move(connection); }
    void setLine(const QString& registrationNumber, int line, TraceDirection direction);

    // Reads the trace rows of the line and shows the window, in front when it is already open. Throws
    // std::logic_error without a session or connection, db::Error when the rows cannot be read.
    void Show();

    // The rows of the line's origins (the trace rows whose destination it is) or destinations.
    static std::string traceStatement(int company, const QString& registrationNumber, int line,
                                      TraceDirection direction);

    QTreeWidget* list() const { return list_; }

private:
    void fill(db::Recordset rows);

    QTreeWidget* list_;
    std::shared_ptr<ClsGlobal> session_;
    std::shared_ptr<db::Connection> connection_;
    QString registrationNumber_;
    int line_ = 0;
    TraceDirection direction_ = TraceDirection::Origins;
};

} // namespace hostfw
