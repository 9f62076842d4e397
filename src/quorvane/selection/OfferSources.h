#pragma once
// What the window builds the grids' offers from: the company settings read at its first activation, the
// host's attribute-definition object, and the host's texts of the section titles. Nothing here needs a
// widget, so the command line and the engine compute the same offers as the window.

#include "company/CompanySettings.h"
#include "controls/AttributeSource.h"

#include <QString>

#include <functional>

namespace quorvane {

inline constexpr int headerSectionMessage = 86946;        // "Testata movimento"
inline constexpr int lineSectionMessage = 86958;          // "Righe movimento"
inline constexpr int accountFilterSectionMessage = 90479; // "Conti e voci di spesa"

struct OfferSources {
    const company::CompanySettings& settings;
    const controls::AttributeSource& attributes;
    std::function<QString(int message)> messageText;      // the host's text of a message number
};

} // namespace quorvane
