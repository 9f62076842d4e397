#include "controls/CheckField.h"

#include <QCheckBox>

namespace controls {

CheckField::CheckField(const QString& text, QWidget* parent) : EditField(parent), box_(new QCheckBox(text, this))
{
    setEditor(box_);
    connect(box_, &QCheckBox::toggled, this, &CheckField::Click);
}

QString CheckField::Value() const
{
    return box_->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

void CheckField::setValue(const QString& value)
{
    box_->setChecked(value == QLatin1String("1"));
}

} // namespace controls
