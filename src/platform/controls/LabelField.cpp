#include "controls/LabelField.h"

#include "controls/EditField.h"

namespace controls {

LabelField::LabelField(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

void LabelField::setField(EditField* field)
{
    setBuddy(field);
}

} // namespace controls
