#include "display/DetailGridColumns.h"

#include "display/GridColumnTable.h"

namespace quorvane::display {

namespace {

using controls::ColumnKind;
constexpr ColumnKind T = ColumnKind::Text, N = ColumnKind::Number;
constexpr ColumnOption Omit = ColumnOption::Omitted, Off = ColumnOption::Off, On = ColumnOption::On;
constexpr ShownWhen Always = ShownWhen::Always;

const std::vector<GridColumnRow>& detailTable()
{
    static const std::vector<GridColumnRow> table{
        {"CI13_NUMREG_CO99", "Num.Reg", T, 1000, Off, false, Always},
        {"CI13_CODICE_CGC0", "Intercompany", N, 600, Omit, false, ShownWhen::Intercompany},
        {"DES_INTERCOMPANY", "Descrizione Intercompany", T, 600, Off, false, ShownWhen::Intercompany},
        {"CI13_SEDE_CG31", "Sede", N, 450, Omit, false, ShownWhen::LineSites},
        {"CI13_PROGRIGA", "Prog.", N, 0, Off, false, Always},
        {"CI13_CONTO_PC03", "C.d.C.", T, 1050, Omit, false, Always},
        {"DESCRCONTO", "Descrizione C.d.C.", T, 2100, Omit, false, Always},
        {"CI13_VDS_PC03", "V.d.S.", T, 1050, Omit, false, Always},
        {"DESCRVDS", "Descrizione V.d.S.", T, 2100, Omit, false, Always},
        {"CG42_CONTOPAR_CG24", "Conto Co.Ge.", T, 1080, Omit, false, Always},
        {"DESCRCONTOCOGE", "Descr. C/Contabile", T, 2550, Omit, false, Always},
        {"AVERE", "", N, 1250, On, true, Always},
        {"DARE", "", N, 1250, On, true, Always},
        {"QUANTITA", "Quantità", N, 1200, On, true, Always},
        {"IMPORTO", "Importo", N, 1544, Off, true, Always},
        {"SALDO", "Saldo", N, 1244, Off, true, Always},
        {"INDMODRILEVAZIONE", "Mod Ril", T, 210, Off, false, Always},
        {"CI12_INDPROVENIENZA", "Provenienza", T, 400, Off, false, Always},
        {"DES_CI12_INDPROVENIENZA", "Descrizione provenienza", T, 1000, Off, false, Always},
        {"PC04_CODICE", "Natura Conto", T, 400, Off, false, Always},
        {"PC04_DESCR", "Descrizione natura conto", T, 1000, Off, false, Always},
        {"PC04_INDCOSTORIC", "Tipo natura conto", T, 400, Off, false, Always},
        {"DES_PC04_INDCOSTORIC", "Descrizione Tipo natura conto", T, 1000, Off, false, Always},
    };
    return table;
}

} // namespace

std::vector<controls::DataGridColumn> detailGridColumns(const GridLayoutSettings& settings)
{
    return columnsOf(detailTable(), settings);
}

} // namespace quorvane::display
