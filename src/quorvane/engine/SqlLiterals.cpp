#include "engine/SqlLiterals.h"

namespace quorvane {

std::string sqlDate(const QDate& date)
{
    return db::DateTime::fromCivil(date.year(), date.month(), date.day()).toSqlLiteral();
}

std::string sqlNumber(const db::Decimal& number)
{
    return number.toString();
}

} // namespace quorvane
