#include "controls/LookupChooser.h"

#include "controls/CodeLookupDialog.h"

#include <QLineEdit>

namespace controls {

std::optional<QString> chooseInLookupWindow(const LookupTarget& target, const QString& filter, QWidget* parent)
{
    CodeLookupDialog dialog(target, parent);
    dialog.filterBox()->setText(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenCode().isEmpty())
        return std::nullopt;
    return dialog.chosenCode();
}

} // namespace controls
