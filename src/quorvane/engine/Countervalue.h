#pragma once
// Amounts shown in the currency the user chose (GetControvalore): the totals are converted at the rate of
// TXT_CAMBIO into the currency of TXT_CODICEVALUTA by the framework's currency converter. A rate of 1, or
// no rate, leaves amounts as they are and needs no converter.

#include "db/Connection.h"
#include "hostfw/CurrencyConverter.h"
#include "selection/SelectionParameters.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quorvane {

class Countervalue {
public:
    using ConverterFactory = std::function<std::unique_ptr<hostfw::CurrencyConverter>()>;

    // Throws std::invalid_argument when TXT_CAMBIO is not a number.
    Countervalue(const SelectionParameters& selection, std::string ownCurrency, db::Connection& connection,
                 int company, ConverterFactory makeConverter = defaultFactory());

    // The amount in the display currency; the converter is created for the call and released after it.
    double GetControvalore(double amount) const;

    // The display currency: TXT_CODICEVALUTA, or the window's own currency when the field is empty.
    const std::string& currencyCode() const { return currency_; }

    // How the totals are converted, for a print that keeps the ledger's own amounts on its lines and shows
    // the converted totals beside them; nothing when the totals are shown as the ledger holds them.
    struct Conversion {
        std::string currency;
        double rate = 1;
        hostfw::CurrencyConverter::Quotation quotation;
    };
    std::optional<Conversion> conversion() const;

private:
    static ConverterFactory defaultFactory();

    double rate_ = 1;
    std::string ownCurrency_;
    std::string currency_;
    db::Connection& connection_;
    int company_;
    ConverterFactory makeConverter_;
};

} // namespace quorvane
