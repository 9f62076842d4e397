#include "controls/ProgressField.h"

namespace controls {

ProgressField::ProgressField(QWidget* parent) : QProgressBar(parent)
{
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
    setFormat(QString());
}

} // namespace controls
