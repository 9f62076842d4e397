#include "controls/ToolbarMenuButton.h"

#include <QMenu>

#include <stdexcept>

namespace controls {

ToolbarMenuButton::ToolbarMenuButton(QWidget* parent) : QToolButton(parent), menu_(new QMenu(this))
{
    setMenu(menu_);
    setPopupMode(QToolButton::MenuButtonPopup);
    connect(this, &QToolButton::clicked, this, &ToolbarMenuButton::ButtonClick);
}

void ToolbarMenuButton::addItem(const QString& key, const QString& caption)
{
    if (items_.count(key) > 0)
        throw std::invalid_argument("the menu already has an item " + key.toStdString());
    QAction* action = menu_->addAction(caption);
    items_.emplace(key, action);
    connect(action, &QAction::triggered, this, [this, key] { emit MenuClick(key); });
}

QAction* ToolbarMenuButton::item(const QString& key) const
{
    const auto found = items_.find(key);
    if (found == items_.end())
        throw std::invalid_argument("the menu has no item " + key.toStdString());
    return found->second;
}

void ToolbarMenuButton::setItemEnabled(const QString& key, bool enabled)
{
    item(key)->setEnabled(enabled);
}

bool ToolbarMenuButton::isItemEnabled(const QString& key) const
{
    return item(key)->isEnabled();
}

} // namespace controls
