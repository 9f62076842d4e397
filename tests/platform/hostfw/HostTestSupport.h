#pragma once
// What the host tests share: a small demo company database made once per test program, sessions
// over it, a dialog answerer that answers from a script and remembers what it was asked, and a
// capture of the debug output's trace lines.

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "db/Connection.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/DialogAnswerer.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

#include <deque>
#include <functional>
#include <utility>
#include <memory>

namespace hosttest {

inline const QString& demoDatabase()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("demo.db"));
        company::DemoOptions options;
        options.linesPerCompany = 200;
        company::createDemoDatabase(file.toStdString(), options);
        return file;
    }();
    return path;
}

inline QString demoConnectionString()
{
    return QStringLiteral("Provider=SQLite;Data Source=%1;Mode=ReadOnly").arg(demoDatabase());
}

inline hostfw::SessionLogin demoLogin(int company, const QString& language = QStringLiteral("ITA "))
{
    return hostfw::SessionLogin{demoConnectionString(), company, QStringLiteral("TEST"), language};
}

// The demo company's session with some of its settings changed, for cases the demo group lacks.
template <class Change>
std::shared_ptr<hostfw::ClsGlobal> changedSession(int company, Change change)
{
    const std::shared_ptr<hostfw::ClsGlobal> demo = hostfw::ClsGlobal::open(demoLogin(company));
    company::CompanySettings settings = demo->Company();
    change(settings);
    return std::make_shared<hostfw::ClsGlobal>(demoLogin(company), settings, demo->Charts());
}

class ScriptedAnswerer : public hostfw::DialogAnswerer {
public:
    hostfw::DialogAnswer answer(const hostfw::DialogRequest& request) override
    {
        requests.push_back(request);
        if (whileShown)
            std::exchange(whileShown, nullptr)(); // what the user does while the dialog is up, once
        if (answers.empty())
            return hostfw::DialogAnswer::Ok;
        const hostfw::DialogAnswer next = answers.front();
        answers.pop_front();
        return next;
    }
    QStringList texts() const
    {
        QStringList all;
        for (const hostfw::DialogRequest& r : requests)
            all << r.text;
        return all;
    }
    std::deque<hostfw::DialogAnswer> answers;
    std::function<void()> whileShown;
    std::vector<hostfw::DialogRequest> requests;
};

inline std::shared_ptr<ScriptedAnswerer> answerDialogs(hostfw::ClsGlobal& session)
{
    auto answerer = std::make_shared<ScriptedAnswerer>();
    session.setDialogAnswerer(answerer);
    return answerer;
}

// Collects the debug output while it lives.
class DebugCapture {
public:
    DebugCapture() : previous_(qInstallMessageHandler(&DebugCapture::handle)) { current() = this; }
    ~DebugCapture()
    {
        qInstallMessageHandler(previous_);
        current() = nullptr;
    }
    QStringList lines;

private:
    static DebugCapture*& current()
    {
        static DebugCapture* capture = nullptr;
        return capture;
    }
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtDebugMsg && current())
            current()->lines << message;
    }
    QtMessageHandler previous_;
};

} // namespace hosttest
