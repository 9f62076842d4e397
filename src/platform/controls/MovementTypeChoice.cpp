#include "controls/MovementTypeChoice.h"

#include <QStringList>

#include <algorithm>

namespace controls {

std::optional<std::vector<int>> kindsOf(const QString& kindFilter)
{
    if (kindFilter.trimmed().isEmpty())
        return std::nullopt;
    std::vector<int> kinds;
    for (const QString& kind : kindFilter.split(QLatin1Char(','), Qt::SkipEmptyParts))
        kinds.push_back(kind.trimmed().toInt());
    return kinds;
}

bool isOffered(const MovementType& type, const std::optional<std::vector<int>>& kinds,
               const std::optional<QDate>& from, const std::optional<QDate>& to)
{
    if (kinds && std::find(kinds->begin(), kinds->end(), type.kind) == kinds->end())
        return false;
    const bool startsInTime = !type.validFrom || !to || *type.validFrom <= *to;
    const bool endsInTime = !type.validTo || !from || *type.validTo >= *from;
    return startsInTime && endsInTime;
}

QString movementTypeCondition(const std::vector<int>& codes)
{
    QStringList list;
    for (int code : codes)
        list << QString::number(code);
    return list.isEmpty() ? QString() : QStringLiteral("CGT0_CODICE IN (%1)").arg(list.join(QLatin1Char(',')));
}

QString movementTypeCaption(const std::vector<MovementType>& types, int which, const QString& separator)
{
    QStringList descriptions;
    for (const MovementType& type : types)
        descriptions << (which == 3 ? type.shortDescription : which == 2 ? type.mediumDescription : type.description);
    return descriptions.join(separator);
}

} // namespace controls
