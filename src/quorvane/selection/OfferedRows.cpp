#include "selection/OfferedRows.h"

#include "controls/QueryCondition.h"

#include <QCoreApplication>

#include <algorithm>

namespace quorvane {

namespace {

int sectionIndex(const std::string& section)
{
    return section == "B" ? 1 : 0;
}

// why: the refusal's words with %1 for the caption (and %2 for the section).
[[noreturn]] void refuse(const char* gridName, const std::string& caption, const char* why,
                         const std::string& section = {})
{
    const QString words = QCoreApplication::translate("OfferedRows", why);
    const QString name = QString::fromStdString(caption);
    const QString text = section.empty() ? words.arg(name) : words.arg(name, QString::fromStdString(section));
    throw GridRowError(gridName, text.toStdString());
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
               row.section.empty() ? "the row \"%1\" is not offered" : "the row \"%1\" is not offered in section %2",
               row.section);
    return *it;
}

const controls::OrderRowDefinition& offeredOrderRow(const controls::OrderOffer& offer, const OrderRow& row)
{
    QString caption = QString::fromStdString(row.caption);
    auto it = std::find_if(offer.begin(), offer.end(),
                           [&](const controls::OrderRowDefinition& r) { return r.caption == caption; });
    if (it == offer.end())
        refuse("ADVO_ORDINAMENTI", row.caption, "the row \"%1\" is not offered");
    if (row.group && !it->groupable)
        refuse("ADVO_ORDINAMENTI", row.caption, "the row \"%1\" cannot be a grouping level");
    if (row.period != controls::PeriodNone && !it->dateRow)
        refuse("ADVO_ORDINAMENTI", row.caption, "the row \"%1\" is not a date row and takes no period");
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
            refuse("ADVO_ORDINAMENTI", row->caption, "the row \"%1\" is chosen twice: the grid holds each row once");
    }
}

} // namespace quorvane
