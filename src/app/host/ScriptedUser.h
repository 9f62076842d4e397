#pragma once
// The host shell driven without a person: what a user would do in the ledger window just opened (open a
// selection file, choose in a list, press "Elabora", press some keys, press a command), then a picture of the host window. It
// shows the whole inquiry on a display nobody watches, for the documentation's screenshot and for smoke runs.

#include "hostfw/DialogAnswerer.h"

#include <QString>
#include <QStringList>

namespace hostshell {

class HostMainWindow;

struct UserScript {
    QString selection;      // a selection file, opened as "Apri selezione…" opens it; empty: none
    QStringList choices;    // then these choices ("CBO_CONFRONTO=3"): the list's item of that value
    bool process = false;   // then the processing command "Elabora"
    QStringList keys;       // then these keys ("Right", "Down", "Ctrl+C"…) to the control with the focus
    QString command;        // then this command button of the window ("CMD_MODIFICA"); empty: none
    QString screenshot;     // then the host window saved as a picture here; empty: none

    bool empty() const
    {
        return selection.isEmpty() && choices.isEmpty() && !process && keys.isEmpty() && command.isEmpty() && screenshot.isEmpty();
    }
};

// Runs the script on the last program the host opened, its window filling the host's frame. Answers what
// went wrong, or an empty text when every step was done.
QString runUserScript(HostMainWindow& host, const UserScript& script);

// Nobody answers a dialog of an unattended run: its text goes to standard error, the first choice (Ok,
// or Abort: leave the procedure) is taken, and the run counts it as a failure.
class UnattendedAnswerer final : public hostfw::DialogAnswerer {
public:
    hostfw::DialogAnswer answer(const hostfw::DialogRequest& request) override;
    const QStringList& texts() const { return texts_; }

private:
    QStringList texts_;
};

} // namespace hostshell
