#include "controls/AccountMaskField.h"

#include <QLineEdit>

namespace controls {

AccountMaskField::AccountMaskField(QWidget* parent) : EditField(parent), edit_(new QLineEdit(this))
{
    setEditor(edit_);
}

QString AccountMaskField::Value() const
{
    return AccountSegments::stripped(edit_->text());
}

void AccountMaskField::setValue(const QString& value)
{
    edit_->setText(segments_.withSeparators(AccountSegments::stripped(value)));
}

void AccountMaskField::setSegments(const AccountSegments& segments)
{
    const QString value = Value();
    segments_ = segments;
    edit_->setInputMask(segments.sizes().empty() ? QString() : segments.inputMask());
    setValue(value);
}

QString AccountMaskField::mask() const
{
    return edit_->inputMask();
}

} // namespace controls
