#include "TrappedGridEvents.h"

namespace quorvane::host {

void TrappedGridEvents::AqValidate(const QString& caption, controls::ValueBox box, const QString& value)
{
    hostfw::runUnderTrap(trapOf("AqValidate"), [&] { events_.AqValidate(caption, box, value); });
}

void TrappedGridEvents::StartDecode(const QString& caption, const QString& from, const QString& to,
                                    QString& fromDescription, QString& toDescription, const controls::GridValues& grid)
{
    hostfw::runUnderTrap(trapOf("StartDecode"),
                         [&] { events_.StartDecode(caption, from, to, fromDescription, toDescription, grid); });
}

std::optional<controls::LookupTarget> TrappedGridEvents::StartLookup(const QString& caption,
                                                                     const controls::GridValues& grid)
{
    std::optional<controls::LookupTarget> target;
    hostfw::runUnderTrap(trapOf("StartLookup"), [&] { target = events_.StartLookup(caption, grid); });
    if (!target || !target->service)
        return std::nullopt;
    lookupService_ = target->service;
    target->service = this;
    return target;
}

std::optional<QString> TrappedGridEvents::describe(const controls::CodeRequest& request, const QString& code) const
{
    std::optional<QString> description;
    hostfw::runUnderTrap(trapOf("StartLookup"), [&] { description = lookupService_->describe(request, code); });
    return description;
}

std::vector<controls::CodeEntry> TrappedGridEvents::entries(const controls::CodeRequest& request,
                                                           const QString& filter, int limit) const
{
    std::vector<controls::CodeEntry> entries;
    hostfw::runUnderTrap(trapOf("StartLookup"), [&] { entries = lookupService_->entries(request, filter, limit); });
    return entries;
}

} // namespace quorvane::host
