#include "engine/PartsCoordinator.h"

#include <algorithm>

namespace quorvane {

namespace {

// What a part throws when it sees the others stopping: not an error of its own, never reported.
struct PartAbandoned {};

} // namespace

bool PartsCoordinator::enlist(db::SqliteConnection& connection)
{
    const std::lock_guard lock(mutex_);
    if (stopping_)
        return false;
    running_.push_back(&connection);
    return true;
}

void PartsCoordinator::dismiss(db::SqliteConnection& connection)
{
    const std::lock_guard lock(mutex_);
    running_.erase(std::remove(running_.begin(), running_.end(), &connection), running_.end());
}

bool PartsCoordinator::stopping() const
{
    const std::lock_guard lock(mutex_);
    return stopping_;
}

void PartsCoordinator::stop(std::exception_ptr cause)
{
    const std::lock_guard lock(mutex_);
    if (stopping_)
        return;
    stopping_ = true;
    firstError_ = cause;
    // Interrupting under the lock: a connection cannot be dismissed and closed meanwhile.
    for (db::SqliteConnection* connection : running_)
        connection->interrupt();
}

void PartsCoordinator::ended()
{
    {
        const std::lock_guard lock(mutex_);
        ++ended_;
    }
    partEnded_.notify_all();
}

int PartsCoordinator::waitForEnd(std::chrono::milliseconds atMost)
{
    std::unique_lock lock(mutex_);
    const int before = ended_;
    partEnded_.wait_for(lock, atMost, [&] { return ended_ != before; });
    return ended_;
}

std::exception_ptr PartsCoordinator::firstError() const
{
    const std::lock_guard lock(mutex_);
    return firstError_;
}

EnlistedConnection::EnlistedConnection(PartsCoordinator& coordinator, db::SqliteConnection& connection)
    : coordinator_(coordinator), connection_(connection), enlisted_(coordinator.enlist(connection))
{
}

EnlistedConnection::~EnlistedConnection()
{
    if (enlisted_)
        coordinator_.dismiss(connection_);
}

void EnlistedConnection::checkRunning() const
{
    if (!enlisted_ || coordinator_.stopping())
        throw PartAbandoned{};
}

} // namespace quorvane
