#include "selection/LimitsGridEvents.h"

#include <array>

namespace quorvane {

namespace {

// Which rows depend on a remembered range.
enum class Parent { None, JobOrder, Project, GridProject };

struct DecodableRow {
    const char* caption;       // UTF-8
    CodeGroup decodeGroup;
    CodeGroup lookupGroup;     // the sub-project's lookup is the personnel service's
    Parent parent;
};

constexpr std::array<DecodableRow, 29> decodableRows{{
    {"Codice Intercompany", CodeGroup::General, CodeGroup::General, Parent::None},
    {"Causale", CodeGroup::CostAccounting, CodeGroup::CostAccounting, Parent::None},
    {"C.d.C.", CodeGroup::CostAccounting, CodeGroup::CostAccounting, Parent::None},
    {"V.d.S.", CodeGroup::CostAccounting, CodeGroup::CostAccounting, Parent::None},
    {"Codice cliente", CodeGroup::LedgerAndRegistry, CodeGroup::LedgerAndRegistry, Parent::None},
    {"Codice fornitore", CodeGroup::LedgerAndRegistry, CodeGroup::LedgerAndRegistry, Parent::None},
    {"Sez. doc.", CodeGroup::LedgerAndRegistry, CodeGroup::LedgerAndRegistry, Parent::None},
    {"Sede", CodeGroup::LedgerAndRegistry, CodeGroup::LedgerAndRegistry, Parent::None},
    {"Conto contabile", CodeGroup::LedgerAndRegistry, CodeGroup::LedgerAndRegistry, Parent::None},
    {"Articolo", CodeGroup::WarehouseAndJobOrders, CodeGroup::WarehouseAndJobOrders, Parent::None},
    {"Deposito", CodeGroup::WarehouseAndJobOrders, CodeGroup::WarehouseAndJobOrders, Parent::None},
    {"Commessa", CodeGroup::WarehouseAndJobOrders, CodeGroup::WarehouseAndJobOrders, Parent::None},
    {"Sottocommessa", CodeGroup::WarehouseAndJobOrders, CodeGroup::WarehouseAndJobOrders, Parent::JobOrder},
    {"Dipendente", CodeGroup::Personnel, CodeGroup::Personnel, Parent::None},
    {"Reparto", CodeGroup::Personnel, CodeGroup::Personnel, Parent::None},
    {"Qualifica", CodeGroup::Personnel, CodeGroup::Personnel, Parent::None},
    {"Progetto", CodeGroup::Projects, CodeGroup::Projects, Parent::None},
    {"Sottoprogetto", CodeGroup::Projects, CodeGroup::Personnel, Parent::Project},
    {"Tipo progetto", CodeGroup::Projects, CodeGroup::Projects, Parent::None},
    {"Stato progetto", CodeGroup::Projects, CodeGroup::Projects, Parent::None},
    {"Classe A progetto", CodeGroup::Projects, CodeGroup::Projects, Parent::None},
    {"Classe B progetto", CodeGroup::Projects, CodeGroup::Projects, Parent::None},
    {"Classe C progetto", CodeGroup::Projects, CodeGroup::Projects, Parent::None},
    {"Nodo", CodeGroup::Projects, CodeGroup::Projects, Parent::Project},
    {"Nodo riferimento", CodeGroup::Projects, CodeGroup::Projects, Parent::Project},
    {"Attività progetto", CodeGroup::Projects, CodeGroup::Projects, Parent::Project},
    {"Spese progetto", CodeGroup::Projects, CodeGroup::Projects, Parent::Project},
    {"Codice articolo EPU", CodeGroup::UnitPriceList, CodeGroup::UnitPriceList, Parent::GridProject},
    {"Codice attrezzatura", CodeGroup::UnitPriceList, CodeGroup::UnitPriceList, Parent::GridProject},
}};

const DecodableRow* decodable(const QString& caption)
{
    for (const DecodableRow& row : decodableRows)
        if (caption == QString::fromUtf8(row.caption))
            return &row;
    return nullptr;
}

} // namespace

void LimitsGridEvents::AqValidate(const QString& caption, controls::ValueBox box, const QString& value)
{
    bool from = box == controls::FromValue;
    if (caption == QLatin1String("Commessa"))
        (from ? jobOrderFrom_ : jobOrderTo_) = value;
    else if (caption == QLatin1String("Progetto"))
        (from ? projectFrom_ : projectTo_) = value;
}

const controls::CodeLookup* LimitsGridEvents::service(CodeGroup group) const
{
    auto it = services_.find(group);
    return it == services_.end() ? nullptr : it->second;
}

std::optional<controls::CodeRequest> LimitsGridEvents::request(const QString& caption,
                                                               const controls::GridValues& grid) const
{
    const DecodableRow* row = decodable(caption);
    if (!row)
        return std::nullopt;
    controls::CodeRequest request{caption, 0, {}, {}};
    switch (row->parent) {
    case Parent::None: break;
    case Parent::JobOrder: request.parentFrom = jobOrderFrom_; request.parentTo = jobOrderTo_; break;
    case Parent::Project: request.parentFrom = projectFrom_; request.parentTo = projectTo_; break;
    case Parent::GridProject: {
        controls::QueryValues project = grid ? grid(QStringLiteral("CI13_PROGETTO_PD68")) : controls::QueryValues{};
        request.parentFrom = project.from;
        request.parentTo = project.to;
        break;
    }
    }
    return request;
}

void LimitsGridEvents::StartDecode(const QString& caption, const QString& from, const QString& to,
                                   QString& fromDescription, QString& toDescription, const controls::GridValues& grid)
{
    std::optional<controls::CodeRequest> codes = request(caption, grid);
    if (!codes)
        return;
    if (const controls::CodeLookup* decoder = service(decodable(caption)->decodeGroup)) {
        controls::describeInto(*decoder, *codes, from, fromDescription);
        controls::describeInto(*decoder, *codes, to, toDescription);
    }
}

std::optional<controls::LookupTarget> LimitsGridEvents::StartLookup(const QString& caption,
                                                                    const controls::GridValues& grid)
{
    std::optional<controls::CodeRequest> codes = request(caption, grid);
    const controls::CodeLookup* lookup = codes ? service(decodable(caption)->lookupGroup) : nullptr;
    if (!lookup)
        return std::nullopt;
    return controls::LookupTarget{lookup, *codes};
}

} // namespace quorvane
