#pragma once
// The host shell's answerer: the dialog as a modal message box over the active window.

#include "DialogAnswerer.h"

namespace hostfw {

class MessageBoxAnswerer : public DialogAnswerer {
public:
    DialogAnswer answer(const DialogRequest& request) override;
};

} // namespace hostfw
