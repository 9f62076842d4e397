#pragma once
// The framework's currency converter: an amount of the company's base currency in another currency, at an
// exchange rate the user gives, over the currencies of the company database. A rate is quoted as units of
// the currency for one unit of the base currency ("certain" quotation), or the other way round when the
// currency is quoted "uncertain"; the countervalue is rounded to the currency's decimals.

#include "db/Connection.h"

#include <QString>

namespace hostfw {

class CurrencyConverter {
public:
    struct Quotation {
        bool uncertain = false;   // the rate is units of the base currency for one unit of the currency
        int decimals = 2;         // a countervalue is rounded to these
    };

    // How `currency` is quoted and rounded. Throws std::invalid_argument for a currency the database does
    // not define, db::Error when the database cannot be read.
    Quotation quotation(const QString& currency, db::Connection& connection) const;

    // The countervalue of `amount` in `currency` at `rate`. An amount of the company's own currency is
    // unchanged. Throws std::invalid_argument for a currency the database does not define or a rate that
    // is not above 0, and db::Error when the database cannot be read.
    double Controvalore(const QString& currency, double amount, double rate, db::Connection& connection,
                        int company) const;
};

} // namespace hostfw
