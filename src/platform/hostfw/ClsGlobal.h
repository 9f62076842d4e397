#pragma once
// The host's global session object: who is working (user and language), on which company database
// and company, with that company's settings and chart definitions, and the session's services
// (translation, dialogs, the classes that can be created by name). Program windows reach it through
// their host contract.

#include "ChartDefinitions.h"
#include "ClassRegistry.h"
#include "DialogAnswerer.h"
#include "Translator.h"
#include "company/CompanySettings.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <memory>

namespace hostfw {

struct SessionLogin {
    QString connectionString;
    int company = 0;
    QString user;
    QVariant language; // the user's language code ("ITA ", "ENG "); null when the host gives none
};

class ClsGlobal : public QObject {
    Q_OBJECT
public:
    // Reads the company's settings and the chart definitions over a connection of its own, closed
    // again before returning; throws db::Error when the database or the company cannot be read.
    static std::shared_ptr<ClsGlobal> open(const SessionLogin& login);

    ClsGlobal(SessionLogin login, company::CompanySettings settings, ChartDefinitions charts);

    const QString& ConnectionString() const { return login_.connectionString; }
    const QString& UserCode() const { return login_.user; }
    const QVariant& UserLanguage() const { return login_.language; }
    const company::CompanySettings& Company() const { return settings_; }
    const ChartDefinitions& Charts() const { return charts_; }
    const Translator& translator() const { return translator_; }

    // The layout operation: the title the host gives the running application's windows.
    void SetApplicationTitle(const QString& title);
    const QString& ApplicationTitle() const { return applicationTitle_; }

    // The session's dialogs are answered by a message box unless the host installs another answerer.
    DialogAnswerer& dialogs() { return *answerer_; }
    void setDialogAnswerer(std::shared_ptr<DialogAnswerer> answerer);

    ClassRegistry& classes() { return classes_; }

    // A program window is about to close.
    void NotifyFormClosing();

    // The host's own commands (its menus) are disabled while a program that must be worked on alone is
    // open, and enabled again when it closes.
    void EnableHostInteraction(bool enabled);
    bool HostInteractionEnabled() const { return interactionEnabled_; }

    // Where the host's programs open their windows: its MDI area; none, and they open on their own.
    QObject* ProgramFrame() const { return programFrame_; }
    void setProgramFrame(QObject* frame) { programFrame_ = frame; }

signals:
    void FormClosing();
    void HostInteractionChanged(bool enabled);

private:
    SessionLogin login_;
    company::CompanySettings settings_;
    ChartDefinitions charts_;
    Translator translator_;
    QString applicationTitle_;
    std::shared_ptr<DialogAnswerer> answerer_;
    ClassRegistry classes_;
    bool interactionEnabled_ = true;
    QPointer<QObject> programFrame_;
};

} // namespace hostfw
