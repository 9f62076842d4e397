#pragma once
// The criteria of the summary panel in the order the results panel shows them, two a row: each criterion's
// caption and the field that holds the criterion in words.

#include <array>

namespace quorvane {

struct SummaryCriterion {
    const char* caption;    // UTF-8
    const char* field;
};

inline constexpr std::array<SummaryCriterion, 6> summaryCriteria{{{"Conto:", "TXT_RIEPCONTO"},
                                                                 {"Tipo mov.:", "TXT_RIEPMOV"},
                                                                 {"Data reg.:", "TXT_RIEPDATAREG"},
                                                                 {"Competenza:", "TXT_RIEPCOMP"},
                                                                 {"Importo:", "TXT_RIEPIMPORTO"},
                                                                 {"Quantità:", "TXT_RIEPQTA"}}};

} // namespace quorvane
