#include "selection/ControlCharacters.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>

namespace quorvane {

// C1 controls are encoded C2 80 to C2 9F.
std::optional<unsigned> controlCharacterIn(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F)
            return byte;
        if (byte == 0xC2 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x80 && next <= 0x9F)
                return next;
        }
    }
    return std::nullopt;
}

namespace {

using Visit = std::function<bool(const std::string& key, const std::string& value)>;

bool visitRows(const std::string& grid, const std::vector<LimitRow>& rows, const Visit& visit)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string row = grid + "[" + std::to_string(i) + "].";
        const LimitRow& r = rows[i];
        if (visit(row + "caption", r.caption) || visit(row + "section", r.section) || visit(row + "from", r.from)
            || visit(row + "to", r.to))
            return true;
        for (std::size_t j = 0; j < r.list.size(); ++j)
            if (visit(row + "list[" + std::to_string(j) + "]", r.list[j]))
                return true;
    }
    return false;
}

// Every text value of the record with its key, until `visit` answers true.
bool visitTexts(const SelectionParameters& s, const Visit& visit)
{
    const std::pair<const char*, const std::string*> fields[] = {
        {"TXT_CONTO", &s.TXT_CONTO},       {"TXT_ANNOLI", &s.TXT_ANNOLI},           {"TXT_ANNOLS", &s.TXT_ANNOLS},
        {"TXT_IMPORTO", &s.TXT_IMPORTO},   {"TXT_PERC", &s.TXT_PERC},               {"TXT_QUANTITA", &s.TXT_QUANTITA},
        {"TXT_PERCQTA", &s.TXT_PERCQTA},   {"TXT_CODICEVALUTA", &s.TXT_CODICEVALUTA}, {"TXT_CAMBIO", &s.TXT_CAMBIO}};
    for (const auto& [key, value] : fields)
        if (visit(key, *value))
            return true;
    if (s.USR_TIPOMOV)
        for (std::size_t i = 0; i < s.USR_TIPOMOV->size(); ++i)
            if (visit("USR_TIPOMOV[" + std::to_string(i) + "]", (*s.USR_TIPOMOV)[i]))
                return true;
    if (visitRows("ADVQ_LIMITI", s.ADVQ_LIMITI, visit) || visitRows("ADVQ_SELCONTI", s.ADVQ_SELCONTI, visit))
        return true;
    for (std::size_t i = 0; i < s.ADVO_ORDINAMENTI.size(); ++i)
        if (visit("ADVO_ORDINAMENTI[" + std::to_string(i) + "].caption", s.ADVO_ORDINAMENTI[i].caption))
            return true;
    return false;
}

} // namespace

std::optional<RefusedValue> valueWithControlCharacter(const SelectionParameters& selection)
{
    std::optional<RefusedValue> refused;
    visitTexts(selection, [&](const std::string& key, const std::string& value) {
        const std::optional<unsigned> control = controlCharacterIn(value);
        if (!control)
            return false;
        char codePoint[8];
        std::snprintf(codePoint, sizeof codePoint, "U+%04X", *control);
        refused = RefusedValue{key, QCoreApplication::translate("SelectionFile",
                                                                "the value holds the control character %1, which no "
                                                                "code, description or number may hold")
                                        .arg(QLatin1String(codePoint))
                                        .toStdString()};
        return true;
    });
    return refused;
}

} // namespace quorvane
