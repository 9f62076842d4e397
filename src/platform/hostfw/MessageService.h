#pragma once
// Shows a numbered host message in the user's language. The kind says how the user should read
// it: 2 is a refusal (a warning), 3 a notice (information); any other kind is shown as information.

#include "DialogAnswerer.h"
#include "Translator.h"

#include <QString>

namespace hostfw {

inline constexpr int messageKindRefusal = 2;
inline constexpr int messageKindNotice = 3;

class MessageService {
public:
    MessageService(const Translator& translator, DialogAnswerer& answerer)
        : translator_(translator), answerer_(answerer) {}

    // The number's text, followed on a new line by the extra text when one is given.
    DialogAnswer show(int kind, int number, const QString& extra, const QString& title) const;

private:
    const Translator& translator_;
    DialogAnswerer& answerer_;
};

} // namespace hostfw
