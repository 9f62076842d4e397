#pragma once
// The window's handlers of the limits grid's events: it remembers the job-order and project values last
// accepted, so that sub-orders, sub-projects, nodes, activities and project expenses are described and
// looked up within them, and it sends every row's codes to the service of the row's group.

#include "controls/QueryGridEvents.h"

#include <map>

namespace quorvane {

// The host services the rows' codes are grouped under.
enum class CodeGroup { General, CostAccounting, LedgerAndRegistry, WarehouseAndJobOrders, Personnel, Projects,
                       UnitPriceList };

using CodeServices = std::map<CodeGroup, const controls::CodeLookup*>;

class LimitsGridEvents final : public controls::QueryGridEvents {
public:
    explicit LimitsGridEvents(CodeServices services) : services_(std::move(services)) {}

    // ADVQ_LIMITI_AqValidate
    void AqValidate(const QString& caption, controls::ValueBox box, const QString& value) override;
    // ADVQ_LIMITI_StartDecode
    void StartDecode(const QString& caption, const QString& from, const QString& to, QString& fromDescription,
                     QString& toDescription, const controls::GridValues& grid) override;
    // ADVQ_LIMITI_StartLookup
    std::optional<controls::LookupTarget> StartLookup(const QString& caption,
                                                      const controls::GridValues& grid) override;

    QString jobOrderFrom() const { return jobOrderFrom_; }
    QString jobOrderTo() const { return jobOrderTo_; }
    QString projectFrom() const { return projectFrom_; }
    QString projectTo() const { return projectTo_; }

private:
    std::optional<controls::CodeRequest> request(const QString& caption, const controls::GridValues& grid) const;
    const controls::CodeLookup* service(CodeGroup group) const;

    CodeServices services_;
    QString jobOrderFrom_, jobOrderTo_, projectFrom_, projectTo_;
};

} // namespace quorvane
