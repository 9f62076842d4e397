#pragma once
// What the offers of the limits grid and of the ordering grid share: the header and line sections, the
// company settings under which a fixed row is offered, and the attribute entities of the two sections.

#include "company/CompanySettings.h"
#include "selection/OfferSources.h"

#include <QString>

#include <string_view>

namespace quorvane {

inline constexpr int headerEntity = 29;   // user-defined attributes of movement headers
inline constexpr int lineEntity = 30;     // and of movement lines
inline constexpr const char* headerAttributePrefix = "CO5L_CI12";
inline constexpr const char* lineAttributePrefix = "CO5L_CI13";

enum OfferSection { HeaderSection = 0, LineSection = 1 };

// When a fixed row is offered.
enum OfferedWhen { Always, WithIntercompany, WithSites, WithProjectNodes, HeaderSectionOnly, LineSectionOnly };

// A fixed row of a two-section offer: its on/off flag in each section, and when it is offered.
struct FixedOfferRow {
    std::string_view caption;   // UTF-8
    bool headerFlag, lineFlag;
    OfferedWhen when;

    bool flagIn(OfferSection section) const { return section == HeaderSection ? headerFlag : lineFlag; }
};

inline bool offered(OfferedWhen when, const company::CompanySettings& settings, OfferSection section)
{
    switch (when) {
    case Always: return true;
    case WithIntercompany: return settings.intercompany;
    case WithSites: return settings.siteSetting == 1;
    case WithProjectNodes: return settings.projectStructure != 2;   // structure 2 has no nodes or activities
    case HeaderSectionOnly: return section == HeaderSection;
    case LineSectionOnly: return section == LineSection;
    }
    return false;
}

// One section of a two-section offer: the fixed rows offered under the company's settings, each added by the
// grid's own row-adding procedure with its flag in the section, then the header attributes (on in the header
// section) and the line attributes (on in the line section).
template <class Builder, class FixedRows, class AddFixedRow>
void addOfferSection(Builder& rows, const FixedRows& fixedRows, const OfferSources& sources, OfferSection section,
                     const QString& title, AddFixedRow addFixedRow)
{
    for (const FixedOfferRow& row : fixedRows)
        if (offered(row.when, sources.settings, section))
            addFixedRow(row.caption, row.flagIn(section));
    rows.addAttributeRows(section, title, section == HeaderSection, headerEntity, headerAttributePrefix,
                          sources.attributes);
    rows.addAttributeRows(section, title, section == LineSection, lineEntity, lineAttributePrefix,
                          sources.attributes);
}

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace quorvane
