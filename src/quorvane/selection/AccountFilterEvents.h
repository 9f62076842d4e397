#pragma once
// The window's handlers of the account filter grid's events: every row's codes are described and looked up
// by the cost-accounting service, as codes of their chart at the row's level, as complete accounts, or as
// natures of expense items.

#include "controls/QueryGridEvents.h"

namespace quorvane {

class AccountFilterEvents final : public controls::QueryGridEvents {
public:
    explicit AccountFilterEvents(const controls::CodeLookup& costAccounting) : service_(costAccounting) {}

    // ADVQ_SELCONTI_StartDecode
    void StartDecode(const QString& caption, const QString& from, const QString& to, QString& fromDescription,
                     QString& toDescription, const controls::GridValues& grid) override;
    // ADVQ_SELCONTI_StartLookup
    std::optional<controls::LookupTarget> StartLookup(const QString& caption,
                                                      const controls::GridValues& grid) override;

    // "C.d.C. - Intermedio2" → list "C.d.C.", level 3; "V.d.S. - Natura" → its own list, level 0.
    static controls::CodeRequest requestOf(const QString& caption);

private:
    const controls::CodeLookup& service_;
};

} // namespace quorvane
