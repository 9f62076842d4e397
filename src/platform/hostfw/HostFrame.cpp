#include "HostFrame.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace hostfw {

QWidget* placeInHostFrame(QWidget* form, QObject* frame, const QRect& twips)
{
    const QRect pixels(twipsToPixels(twips.left()), twipsToPixels(twips.top()), twipsToPixels(twips.width()),
                       twipsToPixels(twips.height()));
    QWidget* window = form;
    if (auto* area = qobject_cast<QMdiArea*>(frame)) {
        QMdiSubWindow* sub = area->addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        window = sub;
    }
    window->setGeometry(pixels);
    return window;
}

void removeFromHostFrame(QWidget* form, QWidget* frameWindow)
{
    form->hide();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frameWindow)) {
        sub->setWidget(nullptr);
        form->setParent(nullptr);
        sub->deleteLater();
    }
}

} // namespace hostfw
