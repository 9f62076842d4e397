#include "engine/FieldNumber.h"

#include "db/Value.h"

#include <QString>

#include <stdexcept>

namespace quorvane {

std::optional<double> fieldNumber(const std::string& text, const char* field)
{
    const std::string trimmed = QString::fromStdString(text).trimmed().toStdString();
    if (trimmed.empty())
        return std::nullopt;
    if (const auto number = db::Decimal::parse(trimmed))
        return number->toDouble();
    throw std::invalid_argument(std::string(field) + " \"" + text + "\" is not a plain number");
}

} // namespace quorvane
