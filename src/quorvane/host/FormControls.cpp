#include "FormControls.h"

#include "ParametersPanelLayout.h"
#include "ResultsPanelLayout.h"

#include "controls/ProgressField.h"

#include <QFrame>
#include <QVBoxLayout>

namespace quorvane::host {

FormControls FormControls::build(QWidget* window)
{
    FormControls c;
    buildParametersPanel(c, window);
    buildResultsPanel(c, window);
    c.PBARSELEZIONE = new controls::ProgressField(window);
    c.PBARSELEZIONE->setObjectName(QStringLiteral("PBARSELEZIONE"));
    c.PBARSELEZIONE->setVisible(false);
    // The window opens on its parameters: its first size is what they ask for.
    c.FRA_RISULTATI->setVisible(false);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(c.FRAME_PARAMETRI, 1);
    layout->addWidget(c.FRA_RISULTATI, 1);
    layout->addWidget(c.PBARSELEZIONE);
    return c;
}

} // namespace quorvane::host
