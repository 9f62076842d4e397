#include "controls/NumberField.h"

#include "controls/NumberText.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace controls {

NumberField::NumberField(QWidget* parent) : EditField(parent), edit_(new QLineEdit(this))
{
    edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setEditor(edit_);
    updateValidator();
    connect(edit_, &QLineEdit::textEdited, this, [this] { typed_ = true; });
}

QString NumberField::Value() const
{
    if (!typed_)
        return value_;
    const QString text = edit_->text().trimmed();
    if (!mask_.isEmpty())
        return text;   // a masked field passes its digits as typed: "0024" is not the year 24
    std::optional<double> number = parseTypedNumber(text);
    return number ? plainNumber(*number) : text;
}

void NumberField::setValue(const QString& value)
{
    show(value, edit_->hasFocus());
}

bool NumberField::isValid() const
{
    const QString value = Value();
    return value.isEmpty() || !mask_.isEmpty() || parseTypedNumber(value).has_value();
}

void NumberField::setDigits(int digits)
{
    digits_ = digits;
    updateValidator();
}

void NumberField::setMask(const QString& mask)
{
    mask_ = mask;
    if (!mask.isEmpty())
        digits_ = int(mask.size());
    updateValidator();
}

void NumberField::setFormat(const QString& pattern)
{
    const QString value = Value();
    format_ = pattern;
    show(value, edit_->hasFocus());
}

// Typing is held to the digits the field takes: a masked field takes whole numbers only.
void NumberField::updateValidator()
{
    const QString digits = QStringLiteral("[0-9]{0,%1}").arg(digits_);
    const QString pattern = mask_.isEmpty() ? QStringLiteral("-?") + digits + QStringLiteral("([.,][0-9]*)?") : digits;
    edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit_));
}

void NumberField::enterValue()
{
    show(Value(), true);
}

void NumberField::acceptValue()
{
    show(Value(), false);
}

// A number shows as typed while the user types and in the display format otherwise; text that is no
// number stays as it is, for the check to point at.
void NumberField::show(const QString& value, bool typing)
{
    value_ = value.trimmed();
    typed_ = false;
    std::optional<double> number = parseTypedNumber(value_);
    if (number && mask_.isEmpty())
        value_ = plainNumber(*number);
    if (!number || !mask_.isEmpty())
        edit_->setText(value_);
    else if (typing || format_.isEmpty())
        edit_->setText(typingText(*number));
    else
        edit_->setText(formatNumber(*number, format_));
}

} // namespace controls
