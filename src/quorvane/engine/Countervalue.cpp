#include "engine/Countervalue.h"

#include "engine/FieldNumber.h"

#include <QString>

namespace quorvane {

Countervalue::ConverterFactory Countervalue::defaultFactory()
{
    return [] { return std::make_unique<hostfw::CurrencyConverter>(); };
}

Countervalue::Countervalue(const SelectionParameters& selection, std::string ownCurrency, db::Connection& connection,
                           int company, ConverterFactory makeConverter)
    : rate_(fieldNumber(selection.TXT_CAMBIO, "TXT_CAMBIO").value_or(1.0)), ownCurrency_(ownCurrency),
      currency_(QString::fromStdString(selection.TXT_CODICEVALUTA).trimmed().isEmpty() ? std::move(ownCurrency)
                                                                                       : selection.TXT_CODICEVALUTA),
      connection_(connection), company_(company), makeConverter_(std::move(makeConverter))
{
}

double Countervalue::GetControvalore(double amount) const
{
    if (rate_ == 1)
        return amount;
    const std::unique_ptr<hostfw::CurrencyConverter> converter = makeConverter_();
    return converter->Controvalore(QString::fromStdString(currency_), amount, rate_, connection_, company_);
}

std::optional<Countervalue::Conversion> Countervalue::conversion() const
{
    const QString currency = QString::fromStdString(currency_).trimmed();
    if (rate_ == 1 || currency.compare(QString::fromStdString(ownCurrency_).trimmed(), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return Conversion{currency_, rate_, makeConverter_()->quotation(currency, connection_)};
}

} // namespace quorvane
