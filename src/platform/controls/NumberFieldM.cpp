#include "controls/NumberFieldM.h"

namespace controls {

NumberFieldM::NumberFieldM(QWidget* parent) : NumberField(parent)
{
    addKeyButtonItem(managementKey, tr("Gestione…"));
}

} // namespace controls
