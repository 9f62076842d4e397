#pragma once
// The host's numbered message and text catalogue. The component holds only numbers; the host shows
// a number's text in the user's language. Messages and captions share one numbering, so a number
// such as the "no value" word serves both as a message and as a caption.

#include "Language.h"

#include <QString>
#include <span>

namespace hostfw {

struct CatalogueEntry {
    int number;
    const char* italian; // UTF-8
    const char* english; // UTF-8
};

class Catalogue {
public:
    // Every number the component shows or translates, in ascending order.
    static std::span<const CatalogueEntry> entries();

    static bool contains(int number);

    // The number's text in the language; a number the catalogue lacks reads "[number]" so that a
    // missing entry is visible on screen instead of an empty caption.
    static QString text(int number, Language language);
};

} // namespace hostfw
