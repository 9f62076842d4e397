#include "controls/DateFieldM.h"

#include "controls/ItalianDate.h"

#include <QLineEdit>

namespace controls {

namespace {
constexpr int shortDateLength = 10;   // dd/mm/yyyy
}

DateFieldM::DateFieldM(QWidget* parent) : EditField(parent), edit_(new QLineEdit(this))
{
    edit_->setMaxLength(shortDateLength);
    edit_->setPlaceholderText(tr("gg/mm/aaaa"));
    setEditor(edit_);
}

QString DateFieldM::Value() const
{
    return edit_->text().trimmed();
}

void DateFieldM::setValue(const QString& value)
{
    const QDate iso = QDate::fromString(value, Qt::ISODate);
    if (iso.isValid())
        return setDate(iso);
    std::optional<QDate> typed = parse(value);
    edit_->setText(typed ? italianDateText(*typed) : value);
}

bool DateFieldM::isValid() const
{
    return Value().isEmpty() || date().has_value();
}

std::optional<QDate> DateFieldM::date() const
{
    return parse(Value());
}

void DateFieldM::setDate(const std::optional<QDate>& date)
{
    edit_->setText(date ? italianDateText(*date) : QString());
}

void DateFieldM::acceptValue()
{
    if (std::optional<QDate> typed = date())
        edit_->setText(italianDateText(*typed));
}

std::optional<QDate> DateFieldM::parse(const QString& text) const
{
    return text.trimmed().isEmpty() ? std::nullopt : parseItalianDate(text, today_());
}

} // namespace controls
