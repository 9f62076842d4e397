#pragma once
// The tab control of a panel: tabs hold pages and may be made unavailable (shown but not chosen), as a
// tab whose page does not apply to the current choice.

#include <QTabWidget>

namespace controls {

class TabStrip : public QTabWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr) : QTabWidget(parent) {}

    int Tab() const { return currentIndex(); }
    void setTab(int index) { setCurrentIndex(index); }

    bool isTabAvailable(int index) const { return isTabEnabled(index); }
    void setTabAvailable(int index, bool available) { setTabEnabled(index, available); }
};

} // namespace controls
