#include "selection/SettingsCheck.h"


#include <QString>

#include <algorithm>
#include <initializer_list>

namespace quorvane {

namespace {

constexpr int messageRequired = 9638;         // a required value is missing or not valid
constexpr int messageParentLevel = 43650;     // a project sub-level needs the project level before it
constexpr int messageSubOrder = 43681;        // a sub-order needs the job-order level before it
constexpr int messageInvalidGroup = 6029;     // a grouping level on a row that cannot group
constexpr int messageProjects = 64809;        // an ordering on project data while projects are left out
constexpr int messageJobOrders = 64810;       // the same for job orders
constexpr int messageTimeBookings = 64811;    // the same for time bookings
constexpr int messageTooManyLevels = 7984;
constexpr std::size_t maximumGroupingLevels = 10;

using Refusal = std::optional<SettingsRefusal>;

Refusal required(const char* focus)
{
    return SettingsRefusal{messageRequired, focus, std::nullopt};
}

Refusal onOrderingTab(int message)
{
    return SettingsRefusal{message, "", orderingTab};
}

std::optional<QDate> firstDayOfMonth(const std::string& year, const std::string& month)
{
    QDate day(QString::fromStdString(year).toInt(), QString::fromStdString(month).toInt(), 1);
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

} // namespace

MovementTypeRange movementTypeRange(const SelectionParameters& s)
{
    if (s.CHK_PERIODOCOMP == "1") {
        std::optional<QDate> last = firstDayOfMonth(s.TXT_ANNOLS, s.CBO_MESELS);
        return {firstDayOfMonth(s.TXT_ANNOLI, s.CBO_MESELI),
                last ? std::optional<QDate>(last->addMonths(1).addDays(-1)) : std::nullopt};
    }
    std::optional<QDate> from = s.TXT_DATAREGDA;
    if (!from && s.TXT_DATAREGA)
        from = QDate(s.TXT_DATAREGA->year(), 1, 1);
    return {from, s.TXT_DATAREGA};
}

namespace {

bool isYear(const std::string& text)
{
    bool ok = false;
    const int year = QString::fromStdString(text).toInt(&ok);
    return ok && text.size() == 4 && year >= 1753;
}

// The panel's own fields: account, movement types, dates, competence years, currency and exchange.
Refusal checkPanel(const SelectionParameters& s, const FieldStates& fields)
{
    if ((s.CBO_SELCONTOVDS == "0" || s.CBO_SELCONTOVDS == "1") && (s.TXT_CONTO.empty() || !fields.accountValid))
        return required("TXT_CONTO");
    if (fields.movementTypeCondition.empty())
        return required("USR_TIPOMOV");
    if (!fields.dateFromValid)
        return required("TXT_DATAREGDA");
    if (!fields.dateToValid)
        return required("TXT_DATAREGA");
    if (s.CHK_PERIODOCOMP == "1" && !isYear(s.TXT_ANNOLI))
        return required("TXT_ANNOLI");
    if (s.CHK_PERIODOCOMP == "1" && !isYear(s.TXT_ANNOLS))
        return required("TXT_ANNOLS");
    if (!fields.currencyValid)
        return required("TXT_CODICEVALUTA");
    // Amounts in a currency other than the company's need the rate of a day.
    if (!s.TXT_CODICEVALUTA.empty() && s.TXT_CODICEVALUTA != fields.baseCurrency) {
        if (!s.TXT_DATACAMBIO)
            return required("TXT_DATACAMBIO");
        if (s.TXT_CAMBIO.empty())
            return required("TXT_CAMBIO");
    }
    return std::nullopt;
}

bool isOneOf(std::string_view column, std::initializer_list<std::string_view> columns)
{
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

// Grouping levels in order: a project sub-level needs the project level above it, a sub-order the job
// order; a row that cannot group is no valid level. No grouping level at all is a plain ledger.
Refusal checkGroupingLevels(const std::vector<OrderingColumn>& rows)
{
    bool projectSeen = false, jobOrderSeen = false;
    for (const OrderingColumn& row : rows) {
        if (!row.group)
            continue;
        if (!row.groupable)
            return onOrderingTab(messageInvalidGroup);
        if (!projectSeen && isOneOf(row.column, {"CI13_SPROGETTO_PD69", "CI13_NODO_PD0C", "CI13_NODORIF_PD0C",
                                                     "CI13_ATTIVITA_PD0D", "CI13_SPESAGEN_PD59"}))
            return onOrderingTab(messageParentLevel);
        if (!jobOrderSeen && row.column == "CI13_SCOMMESSA_PD25")
            return onOrderingTab(messageSubOrder);
        projectSeen = projectSeen || row.column == "CI13_PROGETTO_PD68";
        jobOrderSeen = jobOrderSeen || row.column == "CI13_COMMESSA_PD25";
    }
    return std::nullopt;
}

bool anyRowOn(const std::vector<OrderingColumn>& rows, std::initializer_list<std::string_view> columns)
{
    return std::any_of(rows.begin(), rows.end(),
                       [&](const OrderingColumn& row) { return isOneOf(row.column, columns); });
}

// An ordering, grouping or not, on a dimension the user chose to leave out. Leaving the projects out also
// leaves out what is booked on them (employee, qualification, department, nodes, activity, project
// expense): the extraction fetches none of those columns, so an ordering on them is refused as well.
Refusal checkExcludedDimensions(const SelectionParameters& s, const std::vector<OrderingColumn>& rows)
{
    if (s.CHK_NO_PROGETTI == "1"
        && anyRowOn(rows, {"CI13_PROGETTO_PD68", "CI13_SPROGETTO_PD69", "PD68_TIPO_PD1D", "PD68_STATO_PD1E",
                           "PD68_DATACHIUPROG", "PD68_CLASSEA_PD1F", "PD68_CLASSEB_PD1G", "PD68_CLASSEC_PD1H",
                           "CI13_DIPENDENTE_PD06", "CI13_QUALIFICA_PD04", "CI13_REPARTO_PD07", "CI13_NODO_PD0C",
                           "CI13_NODORIF_PD0C", "CI13_ATTIVITA_PD0D", "CI13_SPESAGEN_PD59"}))
        return onOrderingTab(messageProjects);
    if (s.CHK_NO_COMMESSE == "1" && anyRowOn(rows, {"CI13_COMMESSA_PD25", "CI13_SCOMMESSA_PD25"}))
        return onOrderingTab(messageJobOrders);
    if (s.CHK_NO_VERSAMENTI == "1"
        && anyRowOn(rows, {"CI13_DIPENDENTE_PD06", "CI13_QUALIFICA_PD04", "CI13_REPARTO_PD07", "CI13_NODORIF_PD0C",
                           "CI13_ATTIVITA_PD0D"}))
        return onOrderingTab(messageTimeBookings);
    return std::nullopt;
}

Refusal checkLevelCount(const std::vector<OrderingColumn>& rows)
{
    const auto levels = std::count_if(rows.begin(), rows.end(), [](const OrderingColumn& row) { return row.group; });
    return static_cast<std::size_t>(levels) > maximumGroupingLevels ? onOrderingTab(messageTooManyLevels)
                                                                    : std::nullopt;
}

} // namespace

SettingsCheckResult CheckImpostazioni(const SelectionParameters& selection, const FieldStates& fields,
                                      const std::vector<OrderingColumn>& ordering)
{
    // The rules in their fixed order; only the first refusal is reported.
    SettingsCheckResult result;
    result.movementTypeRange = movementTypeRange(selection);
    result.refusal = checkPanel(selection, fields);
    if (!result.refusal)
        result.refusal = checkGroupingLevels(ordering);
    if (!result.refusal)
        result.refusal = checkExcludedDimensions(selection, ordering);
    if (!result.refusal)
        result.refusal = checkLevelCount(ordering);
    return result;
}

} // namespace quorvane
