#include "display/MovementGridColumns.h"

#include "display/GridColumnTable.h"

namespace quorvane::display {

namespace {

using controls::ColumnKind;
constexpr ColumnKind T = ColumnKind::Text, D = ColumnKind::Date, N = ColumnKind::Number;
constexpr ColumnOption Omit = ColumnOption::Omitted, Off = ColumnOption::Off, On = ColumnOption::On;
constexpr ShownWhen Always = ShownWhen::Always;

const std::vector<GridColumnRow>& movementTable()
{
    static const std::vector<GridColumnRow> table{
        {"ID", "ID", N, 0, Off, false, Always},
        {"CI13_NUMREG_CO99", "Num.Reg", T, 1000, Off, false, Always},
        {"CI13_CODICE_CGC0", "Intercompany", N, 600, Omit, false, ShownWhen::Intercompany},
        {"DES_INTERCOMPANY", "Descrizione Intercompany", T, 600, Off, false, ShownWhen::Intercompany},
        {"CI12_SEDE_CG31", "Sede", N, 450, Omit, false, ShownWhen::Sites},
        {"DESCRSEDE", "Descr. sede", T, 1541, Off, false, ShownWhen::Sites},
        {"CI12_DATAREG", "Data reg.", D, 1049, Omit, false, Always},
        {"NUMSEZDOC", "Nr. doc.", T, 1050, Omit, false, Always},
        {"CI12_DATADOC", "Data doc.", D, 1050, Omit, false, Always},
        {"CI12_CODCAUS_CI03", "Caus.", T, 555, Omit, false, Always},
        {"CI12_DESCRCAUS", "Descr. caus.", T, 2595, Omit, false, Always},
        {"CG42_CONTOPAR_CG24", "Conto Co.Ge.", T, 1080, Omit, false, Always},
        {"DESCRCONTOCOGE", "Descr. C/Contabile", T, 2550, Omit, false, Always},
        {"AVERE", "", N, 1250, On, true, Always},
        {"DARE", "", N, 1250, On, true, Always},
        {"QUANTITA", "Quantità", N, 1244, On, true, Always},
        {"IMPORTO", "Importo", N, 1544, Off, true, Always},
        {"SALDO", "Saldo", N, 1244, Off, true, Always},
        {"CI12_DESCRAGG", "Descrizione aggiuntiva", T, 3929, Off, false, Always},
        {"CI12_TIPODOC", "Tipo doc.", T, 1755, Off, false, Always},
        {"CI12_NUMDOCORIG", "Nr. doc. orig.", T, 1514, Off, false, Always},
        {"CLIENTE", "Cliente", T, 1184, Off, false, Always},
        {"DESCRCLIENTE", "Rag. soc. cliente", T, 3044, Off, false, Always},
        {"FORNITORE", "Fornitore", T, 1184, Off, false, Always},
        {"DESCRFORNITORE", "Rag. soc. fornitore", T, 3044, Off, false, Always},
        {"DESCRCLIFORLAYOUT", "Cliente/Fornitore", T, 3044, Off, false, Always},
        {"CI12_TOTDOCUMENTO", "Tot. documento", N, 1544, Off, true, Always},
        {"CI12_INDTIPOMOV", "Tipo mov.", T, 1995, Off, false, Always},
        {"CI13_PROGRIGA", "Prog. riga", T, 1200, Off, false, Always},
        {"CI13_CONTO_PC03", "C.d.C.", T, 1860, Off, false, Always},
        {"DESCRCONTO", "Descrizione C.d.C.", T, 2100, Off, false, Always},
        {"CI13_VDS_PC03", "V.d.S.", T, 810, Off, false, Always},
        {"DESCRVDS", "Descrizione V.d.S.", T, 2100, Off, false, Always},
        {"CI13_RIGACONT_CG42", "Riga cont.", T, 494, Off, false, Always},
        {"CI13_DESCRAGG", "Descr. riga agg.", T, 3000, Off, false, Always},
        {"CI13_DADATACOMP", "Da data comp.", D, 1500, Off, false, Always},
        {"CI13_ADATACOMP", "A data comp.", D, 1500, Off, false, Always},
        {"CI13_PROGETTO_PD68", "Progetto", T, 1019, Off, false, Always},
        {"DESCRPROGETTO", "Descr. progetto", T, 1695, Off, false, Always},
        {"CI13_SPROGETTO_PD69", "S.progetto", T, 1695, Off, false, Always},
        {"DESCRSPROGETTO", "Descr. s.progetto", T, 3000, Off, false, Always},
        {"CI13_COMMESSA_PD25", "Commessa", T, 1275, Off, false, Always},
        {"DESCRCOMMESSA", "Descr. commessa", T, 3044, Off, false, Always},
        {"CI13_SCOMMESSA_PD25", "S.commessa", T, 1454, Off, false, Always},
        {"DESCRSCOMMESSA", "Descr s.commessa", T, 1454, Off, false, Always},
        {"CI13_NODO_PD0C", "Nodo", T, 1019, Off, false, ShownWhen::ProjectStructure},
        {"DESCRNODO", "Descr. nodo", T, 1695, Off, false, ShownWhen::ProjectStructure},
        {"CI13_NODORIF_PD0C", "Nodo riferimento", T, 1019, Off, false, ShownWhen::ProjectStructure},
        {"DESCRNODORIF", "Descr. nodo riferimento", T, 1695, Off, false, ShownWhen::ProjectStructure},
        {"CI13_ATTIVITA_PD0D", "Attività progetto", T, 1019, Off, false, ShownWhen::ProjectStructure},
        {"DESCRATTIVITA", "Descr. attività progetto", T, 1695, Off, false, ShownWhen::ProjectStructure},
        {"CI13_SPESAGEN_PD59", "Spese progetto", T, 1019, Off, false, ShownWhen::ProjectStructure},
        {"DESCRSPESA", "Descr. spese progetto", T, 1695, Off, false, ShownWhen::ProjectStructure},
        {"CI13_DIPENDENTE_PD06", "Dip.", T, 1500, Off, false, Always},
        {"NOMEDIPENDENTE", "Nome dipendente", T, 2000, Off, false, Always},
        {"CI13_REPARTO_PD07", "Rep.", T, 1514, Off, false, Always},
        {"DESCRREPARTO", "Descr. reparto", T, 1995, Off, false, Always},
        {"CI13_CODART_MG66", "Articolo", T, 1184, Off, false, Always},
        {"CI13_OPZIONE_MG5E", "Variante", T, 1184, Off, false, Always},
        {"DESCRVARIANTE", "Descr. articolo", T, 3044, Off, false, Always},
        {"CI13_DEP_MG58", "Deposito", T, 500, Off, false, Always},
        {"DESCRDEPOSITO", "Descr. deposito", T, 1695, Off, false, Always},
        {"CODICE_EPU", "Cod. articolo EPU", T, 1110, Off, false, ShownWhen::Qev},
        {"DESCR_EPU", "Descr. articolo EPU", T, 2220, Off, false, ShownWhen::Qev},
        {"CODICE_ATTREZZATURA", "Cod. attrezzatura", T, 1110, Off, false, ShownWhen::Qev},
        {"DESCR_ATTREZZATURA", "Descr. attrezzatura", T, 2220, Off, false, ShownWhen::Qev},
        {"CI12_INDPROVENIENZA", "Provenienza", T, 400, Off, false, Always},
        {"DES_CI12_INDPROVENIENZA", "Descrizione provenienza", T, 1000, Off, false, Always},
        {"NATURA", "Natura Conto", T, 400, Off, false, Always},
        {"DESCRNATURA", "Descrizione natura conto", T, 1000, Off, false, Always},
        {"PC04_INDCOSTORIC_VDS", "Tipo natura conto", T, 400, Off, false, Always},
        {"DES_PC04_INDCOSTORIC", "Descrizione Tipo natura conto", T, 1000, Off, false, Always},
    };
    return table;
}

} // namespace

std::vector<controls::DataGridColumn> movementGridColumns(const GridLayoutSettings& settings)
{
    return columnsOf(movementTable(), settings);
}

} // namespace quorvane::display
