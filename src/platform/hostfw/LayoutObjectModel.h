#pragma once
// The layout object model of a program window: the host keeps the user's layout of the window's
// controls through it. The program attaches its window and takes back the object to use as window.

#include <QObject>
#include <QPointer>
#include <QString>

namespace hostfw {

class LayoutObjectModel : public QObject {
    Q_OBJECT
public:
    explicit LayoutObjectModel(QObject* parent = nullptr) : QObject(parent) {}

    QObject* AttachForm(QObject* form, const QString& identity);
    QObject* form() const { return form_; }
    const QString& identity() const { return identity_; }

private:
    QPointer<QObject> form_;
    QString identity_;
};

} // namespace hostfw
