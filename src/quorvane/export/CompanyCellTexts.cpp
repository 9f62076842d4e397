#include "export/CompanyCellTexts.h"

#include "hostfw/CodeDescriptions.h"
#include "hostfw/MovementTypeCatalogue.h"

namespace quorvane::exporting {

CompanyCellTexts::CompanyCellTexts(db::Connection& connection, hostfw::Language language)
    : accounts_(hostfw::ChartDefinitions::read(connection)), language_(language)
{
    for (const controls::MovementType& type : hostfw::MovementTypeCatalogue(connection).movementTypes())
        movementTypes_.insert(type.code, type.mediumDescription.trimmed());
}

QString CompanyCellTexts::formatAccount(const QString& code, int chart) const
{
    return QString::fromStdString(accounts_.formatAccount(code.toStdString(), chart));
}

QString CompanyCellTexts::formatLedgerAccount(const QString& code) const
{
    return QString::fromStdString(accounts_.formatLedgerAccount(code.toStdString()));
}

QString CompanyCellTexts::documentType(int documentType) const
{
    return hostfw::documentTypeDescription(documentType, language_);
}

// A type the company does not describe reads as its number, as in the window.
QString CompanyCellTexts::movementType(int movementType) const
{
    return movementTypes_.value(movementType, QString::number(movementType));
}

QString CompanyCellTexts::origin(int origin) const
{
    return hostfw::originDescription(origin, language_);
}

QString CompanyCellTexts::costRevenueKind(int kind) const
{
    return hostfw::costRevenueKindDescription(kind, language_);
}

} // namespace quorvane::exporting
