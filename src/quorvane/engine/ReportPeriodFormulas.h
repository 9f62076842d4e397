#pragma once
// The two formula texts the printed ledger groups and captions dates with, in the report engine's formula
// language: the period number of a date field (a missing date gives -1) and the period's caption (a
// missing date gives empty text). The field reference F is inserted as given ("{MOVIMENTI.CI12_DATAREG}").
// Lines are separated by CR LF.

#include <string>
#include <string_view>

namespace quorvane {

// The period number of F for a period code 1–7 or 9; empty text for code 8 or any other code.
std::string RaggruppamentoPerData(std::string_view field, int periodCode);

// The caption of F's period for a period code and a style (0 short, 1 long); the two characters "" when
// no caption belongs to the code and style (code 8, an unknown code or style).
std::string CaptionPerData(std::string_view field, int periodCode, int style);

} // namespace quorvane
