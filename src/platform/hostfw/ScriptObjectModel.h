#pragma once
// The script object model of a program window: the host's form scripts hear the window's events
// ("aqOpen", "aqClose") through it and may cancel them. A script is any receiver of formEvent.

#include <QObject>
#include <QPointer>
#include <QString>

namespace hostfw {

class ScriptObjectModel : public QObject {
    Q_OBJECT
public:
    explicit ScriptObjectModel(QObject* parent = nullptr) : QObject(parent) {}

    QObject* AttachForm(QObject* form, const QString& name, const QString& caption);
    QObject* form() const { return form_; }
    const QString& formName() const { return formName_; }
    const QString& caption() const { return caption_; }

    // Runs the scripts of the event; answers true when one of them cancelled it.
    bool RaiseFormEvent(const QString& event, const QString& formName, const QString& caption);

signals:
    void formEvent(const QString& event, const QString& formName, const QString& caption, bool& cancel);

private:
    QPointer<QObject> form_;
    QString formName_;
    QString caption_;
};

} // namespace hostfw
