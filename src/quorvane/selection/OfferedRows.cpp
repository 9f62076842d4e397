#include "selection/OfferedRows.h"

#include "controls/QueryCondition.h"

#include <algorithm>

namespace quorvane {

namespace {

int sectionIndex(const std::string& section)
{
    return section == "B" ? 1 : 0;
}

[[noreturn]] void refuse(const char* gridName, const std::string& caption, const char* why)
{
    throw GridRowError(std::string(gridName) + ": the row \"" + caption + "\" " + why);
}

} // namespace

const controls::QueryRowDefinition& offeredQueryRow(const controls::QueryOffer& offer, const LimitRow& row,
                                                    const char* gridName)
{
    QString caption = QString::fromStdString(row.caption);
    auto it = std::find_if(offer.begin(), offer.end(), [&](const controls::QueryRowDefinition& r) {
        return r.caption == caption && (row.section.empty() || r.section == sectionIndex(row.section));
    });
    if (it == offer.end())
        refuse(gridName, row.caption,
               row.section.empty() ? "is not offered" : ("is not offered in section " + row.section).c_str());
    return *it;
}

const controls::OrderRowDefinition& offeredOrderRow(const controls::OrderOffer& offer, const OrderRow& row)
{
    QString caption = QString::fromStdString(row.caption);
    auto it = std::find_if(offer.begin(), offer.end(),
                           [&](const controls::OrderRowDefinition& r) { return r.caption == caption; });
    if (it == offer.end())
        refuse("ADVO_ORDINAMENTI", row.caption, "is not offered");
    if (row.group && !it->groupable)
        refuse("ADVO_ORDINAMENTI", row.caption, "cannot be a grouping level");
    if (row.period != controls::PeriodNone && !it->dateRow)
        refuse("ADVO_ORDINAMENTI", row.caption, "is not a date row and takes no period");
    return *it;
}

void checkGridRows(const SelectionParameters& selection, const GridOffers& offers)
{
    for (const LimitRow& row : selection.ADVQ_LIMITI)
        offeredQueryRow(offers.limits, row, "ADVQ_LIMITI");
    for (const LimitRow& row : selection.ADVQ_SELCONTI)
        offeredQueryRow(offers.accountFilter, row, "ADVQ_SELCONTI");
    const std::vector<OrderRow>& ordering = selection.ADVO_ORDINAMENTI;
    for (auto row = ordering.begin(); row != ordering.end(); ++row) {
        offeredOrderRow(offers.ordering, *row);
        const auto sameCaption = [&](const OrderRow& earlier) { return earlier.caption == row->caption; };
        if (std::any_of(ordering.begin(), row, sameCaption))
            refuse("ADVO_ORDINAMENTI", row->caption, "is chosen twice: the grid holds each row once");
    }
}

} // namespace quorvane
