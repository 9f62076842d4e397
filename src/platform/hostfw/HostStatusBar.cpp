#include "HostStatusBar.h"

#include <QLabel>

namespace hostfw {

HostStatusBar::HostStatusBar(QWidget* parent) : QStatusBar(parent)
{
    for (QLabel*& panel : panels_) {
        panel = new QLabel(this);
        addWidget(panel, 1);
    }
}

void HostStatusBar::setPanelText(int panel, const QString& text)
{
    if (panel >= 1 && panel <= panelCount)
        panels_[panel - 1]->setText(text);
}

QString HostStatusBar::panelText(int panel) const
{
    return panel >= 1 && panel <= panelCount ? panels_[panel - 1]->text() : QString();
}

} // namespace hostfw
