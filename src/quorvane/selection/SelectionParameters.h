#pragma once
// The selection record: what the user asked the ledger inquiry to extract, how to sort it and where to break
// it into groups. The window reads it from its controls; the command line reads it from a selection file;
// the engine and the printing read nothing else. Values are kept as the controls give them: combo boxes and
// check boxes as the text of their value ("0", "1", …), numbers as typed text ("" when empty).

#include <QDate>

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// A filled row of the limits grid or of the account filter grid: a from/to range or a list of values.
struct LimitRow {
    std::string caption;              // the offered row's caption, which names its column
    std::string section;              // "A" or "B" in a two-section grid, "" otherwise
    std::string from, to;
    std::vector<std::string> list;
    bool operator==(const LimitRow&) const = default;
};

// A chosen row of the ordering grid.
struct OrderRow {
    std::string caption;
    std::string direction = "ASC";    // "ASC" or "DESC"
    bool group = false;               // the row is a grouping level
    int period = 8;                   // date rows: 1 day, 2 week, 9 fortnight, 3 month, 4 quarter,
                                      // 5 four months, 6 half year, 7 year, 8 none
    bool pageBreak = false;
    bool operator==(const OrderRow&) const = default;
};

struct SelectionParameters {
    std::string CBO_SELCONTOVDS = "0";   // "0" cost centre, "1" expense item, "2" account filter grid
    std::string TXT_CONTO;               // account code as typed (complete or partial)
    bool contoComplete = false;          // the account field's complete flag
    std::optional<QDate> TXT_DATAREGDA, TXT_DATAREGA;
    std::string CHK_PERIODOCOMP = "0";
    std::string CBO_MESELI = "-1", TXT_ANNOLI;
    std::string CBO_MESELS = "-1", TXT_ANNOLS;
    // Movement-type codes chosen in the selector; none given means every type the selector offers.
    std::optional<std::vector<std::string>> USR_TIPOMOV;
    std::string CBO_INDOPERAZIONE = "0";  // "0" actual, "1" budget
    std::string CBO_SELPERIMP = "0", TXT_IMPORTO, TXT_PERC;
    std::string CHK_QUANTITA = "0";
    std::string CBO_SELPERQTA = "0", TXT_QUANTITA, TXT_PERCQTA;
    std::string TXT_CODICEVALUTA;        // the display currency; "" is the company's own currency
    std::optional<QDate> TXT_DATACAMBIO;
    std::string TXT_CAMBIO;
    std::string CHK_NO_PROGETTI = "0", CHK_NO_COMMESSE = "0", CHK_NO_VERSAMENTI = "0";
    std::vector<LimitRow> ADVQ_LIMITI;
    std::vector<LimitRow> ADVQ_SELCONTI;
    std::vector<OrderRow> ADVO_ORDINAMENTI;
    std::optional<int> company;          // the company to process; the session's when absent

    bool operator==(const SelectionParameters&) const = default;
};

} // namespace quorvane
