#pragma once
// A text as a T-SQL literal: in single quotes, its own quotes doubled, so a typed code never leaves it.

#include <QString>

#include <string>

namespace hostfw {

inline std::string sqlQuoted(const QString& text)
{
    return (QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''))
        .toStdString();
}

} // namespace hostfw
