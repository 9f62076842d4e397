#pragma once
// What the parts of an extraction run in parts share: how many have ended, the first error, and the
// connections whose statements are under way, so that a failure or a stop ends them all at once instead
// of letting the others run to their end for nothing.

#include "db/SqliteConnection.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <vector>

namespace quorvane {

class PartsCoordinator {
public:
    // A part's connection while it runs statements; false when the parts are already stopping.
    bool enlist(db::SqliteConnection& connection);
    void dismiss(db::SqliteConnection& connection);
    bool stopping() const;

    // Stops every part; the first cause given is the one the processing reports.
    void stop(std::exception_ptr cause);
    // A part has ended, well or not.
    void ended();

    // Waits until a part ends or the time passes; answers how many have ended.
    int waitForEnd(std::chrono::milliseconds atMost);
    std::exception_ptr firstError() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable partEnded_;
    std::vector<db::SqliteConnection*> running_;
    std::exception_ptr firstError_;
    bool stopping_ = false;
    int ended_ = 0;
};

// Enlists a part's connection for as long as the part runs statements on it.
class EnlistedConnection {
public:
    EnlistedConnection(PartsCoordinator& coordinator, db::SqliteConnection& connection);
    ~EnlistedConnection();
    EnlistedConnection(const EnlistedConnection&) = delete;
    EnlistedConnection& operator=(const EnlistedConnection&) = delete;

    // Before each statement: throws when the parts are stopping, so that no new statement begins.
    void checkRunning() const;

private:
    PartsCoordinator& coordinator_;
    db::SqliteConnection& connection_;
    bool enlisted_;
};

} // namespace quorvane
