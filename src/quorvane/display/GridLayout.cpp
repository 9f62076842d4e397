#include "display/GridLayout.h"

#include "display/AttributeGridColumns.h"
#include "display/DetailGridColumns.h"
#include "display/MovementGridColumns.h"

namespace quorvane::display {

namespace {

using controls::ColumnAlignment;
constexpr ColumnAlignment Left = ColumnAlignment::Left, Right = ColumnAlignment::Right,
                          Centre = ColumnAlignment::Centre;

const std::vector<QString> amountColumns{"AVERE", "DARE", "IMPORTO", "SALDO"};

// A column widened by a design amount that the form resizer scales, over its base width.
std::pair<QString, int> widened(const char* key, int design, int base, const GridLayoutSettings& s)
{
    return {QString::fromLatin1(key), scaledTwips(design, s) + base};
}

void appendColumns(std::vector<controls::DataGridColumn>& to, std::vector<controls::DataGridColumn> columns)
{
    to.insert(to.end(), std::make_move_iterator(columns.begin()), std::make_move_iterator(columns.end()));
}

} // namespace

GridLayout movementGridLayout(const GridLayoutSettings& s)
{
    GridLayout layout;
    layout.keyField = QStringLiteral("ID");
    layout.rowHeightPoints = 18.0;
    layout.columns = movementGridColumns(s);
    appendColumns(layout.columns, attributeGridColumns(s.headerAttributes));
    layout.alignments = {{"CI12_DATAREG", Centre},       {"NUMSEZDOC", Right},
                         {"CI12_DATADOC", Centre},       {"AVERE", Right},
                         {"DARE", Right},                {"QUANTITA", Right},
                         {"IMPORTO", Right},             {"SALDO", Right},
                         {"CLIENTE", Right},             {"FORNITORE", Right},
                         {"CI12_TOTDOCUMENTO", Right},   {"CI13_PROGRIGA", Right},
                         {"CI13_RIGACONT_CG42", Right},  {"CI12_INDPROVENIENZA", Right},
                         {"DES_CI12_INDPROVENIENZA", Left}, {"NATURA", Right},
                         {"DESCRNATURA", Left},          {"PC04_INDCOSTORIC_VDS", Right},
                         {"DES_PC04_INDCOSTORIC", Left}};
    layout.decimals = {{"AVERE", s.amountDecimals},   {"DARE", s.amountDecimals},
                       {"IMPORTO", s.amountDecimals}, {"SALDO", s.amountDecimals},
                       {"CI12_TOTDOCUMENTO", s.amountDecimals}, {"QUANTITA", s.quantityDecimals}};
    // Without the general-ledger link the counter-account's description goes, and the header columns
    // before it take up the room.
    if (s.noLedgerLink)
        layout.widths = {{"DESCRCONTOCOGE", 0},
                         widened("CI12_DATAREG", 100, 1049, s),
                         widened("NUMSEZDOC", 100, 1094, s),
                         widened("CI12_DATADOC", 100, 1049, s),
                         widened("CI12_CODCAUS_CI03", 100, 555, s),
                         widened("CI12_DESCRCAUS", 1700, 2445, s)};
    layout.currencyColumns = amountColumns;
    layout.currencyText = s.currencyText;
    return layout;
}

GridLayout detailGridLayout(const GridLayoutSettings& s)
{
    GridLayout layout;
    layout.keyField = QStringLiteral("CI13_PROGRIGA");
    layout.columns = detailGridColumns(s);
    appendColumns(layout.columns, attributeGridColumns(s.lineAttributes));
    layout.alignments = {{"AVERE", Right},
                         {"DARE", Right},
                         {"QUANTITA", Right},
                         {"IMPORTO", Right},
                         {"SALDO", Right},
                         {"INDMODRILEVAZIONE", Centre},
                         {"CI12_INDPROVENIENZA", Right},
                         {"DES_CI12_INDPROVENIENZA", Left},
                         {"PC04_CODICE", Right},
                         {"PC04_DESCR", Left},
                         {"PC04_INDCOSTORIC", Right},
                         {"DES_PC04_INDCOSTORIC", Left}};
    layout.decimals = {{"AVERE", s.amountDecimals},   {"DARE", s.amountDecimals},
                       {"IMPORTO", s.amountDecimals}, {"SALDO", s.amountDecimals},
                       {"QUANTITA", s.quantityDecimals}};
    // Without the general-ledger link the accounts and their descriptions take the room of the
    // counter-account's description.
    if (s.noLedgerLink)
        layout.widths = {{"DESCRCONTOCOGE", 0},
                         widened("CI13_CONTO_PC03", 150, 1050, s),
                         widened("CI13_VDS_PC03", 150, 1050, s),
                         widened("DESCRCONTO", 900, 2100, s),
                         widened("DESCRVDS", 900, 2100, s)};
    layout.currencyColumns = amountColumns;
    layout.currencyText = s.currencyText;
    return layout;
}

} // namespace quorvane::display
