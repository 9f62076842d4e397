#pragma once
// Small pieces both panels of the window are built from: controls carry their design names (the window
// and the tests find them by name), frames share one look, and the Tab key follows the reading order.

#include <QFrame>
#include <QString>
#include <QWidget>

#include <initializer_list>

namespace quorvane::host {

template <class Control>
Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

inline QFrame* frame(QWidget* parent, const char* name)
{
    auto* f = named(new QFrame(parent), name);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

// Tab moves from each control to the next one of the list.
inline void chainTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace quorvane::host
