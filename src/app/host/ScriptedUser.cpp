#include "ScriptedUser.h"

#include "HostMainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>

#include <cstdio>

namespace hostshell {
namespace {

// The picture shows the window as a cost accountant's screen holds it.
constexpr QSize pictureSize(1440, 900);

// The frame of the last program opened: the MDI area's last sub-window.
QMdiSubWindow* programFrame(HostMainWindow& host)
{
    const QList<QMdiSubWindow*> windows = host.mdiArea()->subWindowList();
    return windows.isEmpty() ? nullptr : windows.constLast();
}

bool openSelection(QWidget* window, const QString& path)
{
    bool opened = false;
    return QMetaObject::invokeMethod(window, "ApriSelezione", Qt::DirectConnection, Q_RETURN_ARG(bool, opened),
                                     Q_ARG(QString, path))
        && opened;
}

bool press(QWidget* window, const char* command)
{
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(command));
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

// "NAME=VALUE": the item of the value chosen in the window's list NAME, as a user picks it.
bool choose(QWidget* window, const QString& choice)
{
    QWidget* field = window->findChild<QWidget*>(choice.section(QLatin1Char('='), 0, 0));
    auto* list = field ? field->findChild<QComboBox*>() : nullptr;
    const int item = list ? list->findData(choice.section(QLatin1Char('='), 1)) : -1;
    if (item < 0)
        return false;
    list->setCurrentIndex(item);
    return true;
}

// A key as the user types it: pressed and released on the control that has the window's focus.
bool type(QWidget* window, const QString& key)
{
    const QKeySequence sequence(key);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return false;
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    const QKeyCombination combination = sequence[0];
    QKeyEvent down(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
    QKeyEvent up(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers());
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
    return true;
}

// Any other dialog a step opens (a file dialog, a message box of Qt's own) would wait for a person: it is
// printed on standard error and closed as soon as it shows, and the run fails. The session's dialogs go
// through the UnattendedAnswerer instead and never show.
class DialogRefusal final : public QObject {
public:
    DialogRefusal() { qApp->installEventFilter(this); }
    ~DialogRefusal() override { qApp->removeEventFilter(this); }
    const QString& refused() const { return refused_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal()) {
            refused_ = dialog->windowTitle();
            std::fprintf(stderr, "quorvane-host: dialog \"%s\" closed: nobody answers it\n", qPrintable(refused_));
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QString refused_;
};

} // namespace

hostfw::DialogAnswer UnattendedAnswerer::answer(const hostfw::DialogRequest& request)
{
    texts_ << request.text;
    std::fprintf(stderr, "quorvane-host: dialog \"%s\": %s\n", qPrintable(request.title), qPrintable(request.text));
    return request.buttons == hostfw::DialogButtons::Ok ? hostfw::DialogAnswer::Ok : hostfw::DialogAnswer::Abort;
}

QString runUserScript(HostMainWindow& host, const UserScript& script)
{
    QMdiSubWindow* frame = programFrame(host);
    if (!frame || !frame->widget())
        return QStringLiteral("no program window is open");
    QWidget* window = frame->widget();
    if (!script.screenshot.isEmpty())
        host.resize(pictureSize);
    frame->showMaximized();
    const DialogRefusal refusal;
    QApplication::processEvents();
    if (!script.selection.isEmpty() && !openSelection(window, script.selection))
        return QStringLiteral("the selection file %1 was not opened").arg(script.selection);
    for (const QString& choice : script.choices)
        if (!choose(window, choice))
            return QStringLiteral("\"%1\" is not a choice of the window").arg(choice);
    if (script.process && !press(window, "CMD_ELABORA"))
        return QStringLiteral("the processing command could not be pressed");
    QApplication::processEvents();
    for (const QString& key : script.keys) {
        if (!type(window, key))
            return QStringLiteral("\"%1\" is not a key").arg(key);
        QApplication::processEvents();
    }
    if (!script.command.isEmpty() && !press(window, script.command.toLatin1().constData()))
        return QStringLiteral("the command %1 could not be pressed").arg(script.command);
    QApplication::processEvents();
    if (!refusal.refused().isNull())
        return QStringLiteral("the dialog \"%1\" opened, and nobody answers it").arg(refusal.refused());
    if (!script.screenshot.isEmpty() && !host.grab().save(script.screenshot))
        return QStringLiteral("the picture could not be saved to %1").arg(script.screenshot);
    return {};
}

} // namespace hostshell
