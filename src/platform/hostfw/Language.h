#pragma once
// The user's language as the host's user object gives it: a four-character code with a trailing
// blank ("ITA ", "ENG "). The catalogue keeps one text per language; unknown codes read Italian,
// the language every company database of the group is set up in.

#include <QString>

namespace hostfw {

enum class Language { Italian, English };

inline constexpr const char* italianCode = "ITA ";
inline constexpr const char* englishCode = "ENG ";

// "ENG" in any case, with or without blanks, is English; everything else (empty included) is Italian.
Language languageFromCode(const QString& code);

// The code as the host writes it, with its trailing blank.
QString languageCode(Language language);

} // namespace hostfw
