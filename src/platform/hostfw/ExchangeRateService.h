#pragma once
// The exchange-rate service: the rate of a currency on a day, that is the last rate fixed on or before it
// (the daily fixing before the monthly average when both fall on that day).

#include "db/Connection.h"

#include <QDate>
#include <QString>

#include <optional>

namespace hostfw {

struct ExchangeRate {
    QDate DATACAMBIO;        // the day the rate was fixed
    int TIPOCAMBIO = 0;      // 1 daily fixing, 2 monthly average
    double CAMBIO = 0;
    int INDCERTOINCERTO = 0; // how the rate is quoted
    int NUMERODECIMALI = 0;  // the currency's decimals
};

class ExchangeRateService {
public:
    explicit ExchangeRateService(db::Connection& connection) : connection_(connection) {}

    // Without a day, the latest rate; nothing when the currency has no rate by then.
    std::optional<ExchangeRate> rate(const QString& currency, const std::optional<QDate>& day) const;

private:
    db::Connection& connection_;
};

} // namespace hostfw
