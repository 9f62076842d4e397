#pragma once
// A query grid's events as the window handles them: each runs under the window's error trap with its own
// procedure's name ("ADVQ_LIMITI_StartDecode", "ADVQ_SELCONTI_StartLookup", …), so that a database error
// while a code is described or looked up is reported and the grid stays usable. The lookup window reads
// its codes after the event has answered, so the service it is given answers under the lookup's trap too.

#include "controls/QueryGridEvents.h"
#include "hostfw/ErrorTrap.h"

#include <functional>

namespace quorvane::host {

class TrappedGridEvents final : public controls::QueryGridEvents, private controls::CodeLookup {
public:
    using Trap = std::function<hostfw::TrapHandler(const QString& procedure)>;

    // `events` must outlive this; `gridName` begins the procedures' names.
    TrappedGridEvents(controls::QueryGridEvents& events, QString gridName, Trap trap)
        : events_(events), gridName_(std::move(gridName)), trap_(std::move(trap)) {}

    void AqValidate(const QString& caption, controls::ValueBox box, const QString& value) override;
    void StartDecode(const QString& caption, const QString& from, const QString& to, QString& fromDescription,
                     QString& toDescription, const controls::GridValues& grid) override;
    std::optional<controls::LookupTarget> StartLookup(const QString& caption,
                                                      const controls::GridValues& grid) override;

private:
    // The lookup's service, answering under the lookup's trap: nothing or no codes after an error.
    std::optional<QString> describe(const controls::CodeRequest& request, const QString& code) const override;
    std::vector<controls::CodeEntry> entries(const controls::CodeRequest& request, const QString& filter,
                                             int limit) const override;

    hostfw::TrapHandler trapOf(const char* event) const { return trap_(gridName_ + QLatin1Char('_') + event); }

    controls::QueryGridEvents& events_;
    QString gridName_;
    Trap trap_;
    const controls::CodeLookup* lookupService_ = nullptr;   // the service of the lookup now open
};

} // namespace quorvane::host
