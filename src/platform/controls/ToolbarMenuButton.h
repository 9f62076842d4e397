#pragma once
// A command button with a menu beside it: pressing the button raises ButtonClick, choosing a menu item
// raises MenuClick with the item's key. Items are added and enabled by key.

#include <QToolButton>

#include <map>

class QAction;
class QMenu;

namespace controls {

class ToolbarMenuButton : public QToolButton {
    Q_OBJECT
public:
    explicit ToolbarMenuButton(QWidget* parent = nullptr);

    // Adds an item at the end of the menu; a key already there throws std::invalid_argument.
    void addItem(const QString& key, const QString& caption);
    // Addressing a missing key throws std::invalid_argument.
    void setItemEnabled(const QString& key, bool enabled);
    bool isItemEnabled(const QString& key) const;
    QAction* item(const QString& key) const;

signals:
    void ButtonClick();
    void MenuClick(const QString& key);

private:
    QMenu* menu_;
    std::map<QString, QAction*> items_;
};

} // namespace controls
