#pragma once
// Who answers the host's dialogs. The host shell answers them with a message box on screen;
// an unattended caller (a test, a batch run) installs its own answerer in the session.

#include <QString>

namespace hostfw {

enum class DialogIcon { Information, Warning, Critical };
enum class DialogButtons { Ok, AbortRetryIgnore };
enum class DialogAnswer { Ok, Abort, Retry, Ignore };

struct DialogRequest {
    DialogIcon icon = DialogIcon::Information;
    DialogButtons buttons = DialogButtons::Ok;
    QString title;
    QString text;
};

class DialogAnswerer {
public:
    virtual ~DialogAnswerer() = default;
    virtual DialogAnswer answer(const DialogRequest& request) = 0;
};

} // namespace hostfw
