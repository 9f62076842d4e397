#pragma once
// The host's status bar, divided into numbered panels (1 to 3) as the host's programs address them;
// panel 2 carries the hints of the active program.

#include <QStatusBar>

class QLabel;

namespace hostfw {

class HostStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int panelCount = 3;

    explicit HostStatusBar(QWidget* parent = nullptr);

    // Panel numbers outside 1..panelCount are ignored (read as empty).
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;

private:
    QLabel* panels_[panelCount];
};

} // namespace hostfw
