#include "ParametersPanelLayout.h"
#include "PanelBuilding.h"

#include "FormControls.h"

#include "controls/AccountMaskField.h"
#include "controls/CheckField.h"
#include "controls/ComboField.h"
#include "controls/CostAccountField.h"
#include "controls/DateFieldM.h"
#include "controls/LabelField.h"
#include "controls/MovementTypeSelector.h"
#include "controls/NumberFieldM.h"
#include "controls/OrderGrid.h"
#include "controls/QueryGrid.h"
#include "controls/TabStrip.h"
#include "controls/TextFieldM.h"
#include "hostfw/Phrases.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvane::host {
namespace {

using namespace controls;

template <class Field>
Field* field(QWidget* parent, const char* name, const char* caption)
{
    Field* f = named(new Field(parent), name);
    f->setCaption(hostfw::userText(caption));
    return f;
}

LabelField* label(QWidget* parent, const char* name, const char* caption, EditField* buddy)
{
    LabelField* l = named(new LabelField(hostfw::userText(caption), parent), name);
    l->setField(buddy);
    return l;
}

CheckField* check(QWidget* parent, const char* name, const char* caption)
{
    CheckField* c = named(new CheckField(hostfw::userText(caption), parent), name);
    c->setCaption(hostfw::userText(caption));
    return c;
}

// Width of a field in average characters of its font.
void widthInCharacters(QWidget* w, int characters)
{
    w->setFixedWidth(w->fontMetrics().averageCharWidth() * characters + 24);
}

QHBoxLayout* buildAccount(FormControls& c)
{
    QWidget* p = c.FRAME_TESTATA;
    c.CBO_SELCONTOVDS = field<ComboField>(p, "CBO_SELCONTOVDS", "C.d.C. / V.d.S.");
    c.LBL_SELCONTOVDS = label(p, "LBL_SELCONTOVDS", "&C.d.C. / V.d.S.", c.CBO_SELCONTOVDS);
    c.TXT_CONTO = field<CostAccountField>(p, "TXT_CONTO", "Conto - solo analitici");
    c.TXT_CONTO->setMandatory(true);
    c.TXT_CONTO->addKeyButtonItem(QStringLiteral("Kgestione"), hostfw::userText("Gestione anagrafica…"));
    c.TXT_DESCRCONTO = field<TextFieldM>(p, "TXT_DESCRCONTO", "Descrizione conto");
    c.TXT_DESCRCONTO->setMaxLength(60);
    c.TXT_DESCRCONTO->setEnabled(false);
    c.TXT_DESCRCONTO->setReadOnlyLook(true);
    c.TXT_DESCRCONTO->setMinimumWidth(240);
    c.CBO_SELCONTOVDS->setWidthInCharacters(18);
    widthInCharacters(c.TXT_CONTO, 20);
    auto* row = new QHBoxLayout;
    row->addWidget(c.LBL_SELCONTOVDS);
    row->addWidget(c.CBO_SELCONTOVDS);
    row->addWidget(c.TXT_CONTO);
    row->addWidget(c.TXT_DESCRCONTO, 1);
    return row;
}

QFrame* buildDates(FormControls& c, QWidget* parent)
{
    c.FRAME_TESTATA_DATAREG = frame(parent, "FRAME_TESTATA_DATAREG");
    QWidget* p = c.FRAME_TESTATA_DATAREG;
    c.TXT_DATAREGDA = field<DateFieldM>(p, "TXT_DATAREGDA", "Limite inferiore data di registrazione");
    c.TXT_DATAREGA = field<DateFieldM>(p, "TXT_DATAREGA", "Limite superiore data registrazione");
    c.LBL_DATAREG = label(p, "LBL_DATAREG", "&Data reg. da / a", c.TXT_DATAREGDA);
    c.CHK_PERIODOCOMP = check(p, "CHK_PERIODOCOMP", "&Periodo di competenza");
    c.CBO_MESELI = field<ComboField>(p, "CBO_MESELI", "Limite inferiore periodo di competenza: mese");
    c.TXT_ANNOLI = field<NumberField>(p, "TXT_ANNOLI", "Limite inferiore periodo di competenza: anno (aaaa)");
    c.CBO_MESELS = field<ComboField>(p, "CBO_MESELS", "Limite superiore periodo di competenza: mese");
    c.TXT_ANNOLS = field<NumberField>(p, "TXT_ANNOLS", "Limite superiore periodo di competenza: anno (aaaa)");
    for (ComboField* month : {c.CBO_MESELI, c.CBO_MESELS}) {
        month->setMandatory(true);
        month->setWidthInCharacters(13);
    }
    for (NumberField* year : {c.TXT_ANNOLI, c.TXT_ANNOLS}) {
        year->setMask(QStringLiteral("####"));
        widthInCharacters(year, 6);
    }
    for (DateFieldM* date : {c.TXT_DATAREGDA, c.TXT_DATAREGA})
        widthInCharacters(date, 12);
    auto* grid = new QGridLayout(p);
    grid->addWidget(c.LBL_DATAREG, 0, 0);
    grid->addWidget(c.TXT_DATAREGDA, 0, 1);
    grid->addWidget(c.TXT_DATAREGA, 0, 2);
    grid->addWidget(c.CHK_PERIODOCOMP, 1, 0);
    auto* from = new QHBoxLayout;
    from->addWidget(c.CBO_MESELI);
    from->addWidget(c.TXT_ANNOLI);
    auto* to = new QHBoxLayout;
    to->addWidget(c.CBO_MESELS);
    to->addWidget(c.TXT_ANNOLS);
    grid->addLayout(from, 1, 1);
    grid->addLayout(to, 1, 2);
    grid->setColumnStretch(3, 1);
    return c.FRAME_TESTATA_DATAREG;
}

QFrame* buildMovementType(FormControls& c, QWidget* parent)
{
    c.FRAME_TESTATA_TIPOMOV = frame(parent, "FRAME_TESTATA_TIPOMOV");
    QWidget* p = c.FRAME_TESTATA_TIPOMOV;
    c.USR_TIPOMOV = named(new MovementTypeSelector(p), "USR_TIPOMOV");
    c.LBL_TIPOMOV = named(new LabelField(hostfw::userText("&Tipo movimento"), p), "LBL_TIPOMOV");
    c.LBL_TIPOMOV->setBuddy(c.USR_TIPOMOV);
    c.CBO_INDOPERAZIONE = field<ComboField>(p, "CBO_INDOPERAZIONE", "Tipo di movimenti");
    c.CBO_INDOPERAZIONE->setWidthInCharacters(25);
    c.LBL_INDOPERAZIONE = label(p, "LBL_INDOPERAZIONE", "Tipo o&perazione", c.CBO_INDOPERAZIONE);
    c.CBO_CONFRONTO = field<ComboField>(p, "CBO_CONFRONTO", "Confronta con");
    c.CBO_CONFRONTO->setWidthInCharacters(25);
    c.LBL_CONFRONTO = label(p, "LBL_CONFRONTO", "Confronta c&on", c.CBO_CONFRONTO);
    auto* grid = new QGridLayout(p);
    grid->addWidget(c.LBL_TIPOMOV, 0, 0, Qt::AlignTop);
    grid->addWidget(c.USR_TIPOMOV, 0, 1);
    grid->addWidget(c.LBL_INDOPERAZIONE, 1, 0);
    grid->addWidget(c.CBO_INDOPERAZIONE, 1, 1);
    grid->addWidget(c.LBL_CONFRONTO, 2, 0);
    grid->addWidget(c.CBO_CONFRONTO, 2, 1);
    return c.FRAME_TESTATA_TIPOMOV;
}

QFrame* buildAmounts(FormControls& c, QWidget* parent)
{
    c.FRAME_TESTATA_IMPORTO = frame(parent, "FRAME_TESTATA_IMPORTO");
    QWidget* p = c.FRAME_TESTATA_IMPORTO;
    c.CBO_SELPERIMP = field<ComboField>(p, "CBO_SELPERIMP", "Tipo di selezione per importo");
    c.LBL_IMPORTO = label(p, "LBL_IMPORTO", "&Importo", c.CBO_SELPERIMP);
    c.TXT_IMPORTO = field<NumberField>(p, "TXT_IMPORTO", "Importo");
    c.TXT_IMPORTO->setDigits(11);
    c.TXT_PERC = field<NumberField>(p, "TXT_PERC", "Ampiezza intervallo in percentuale per imp.");
    c.TXT_PERC->setMask(QStringLiteral("###"));
    c.CHK_QUANTITA = check(p, "CHK_QUANTITA", "&Gestione quantità");
    c.CHK_QUANTITA->setTag(hostfw::userText("Attiva gestione quantità"));
    c.CBO_SELPERQTA = field<ComboField>(p, "CBO_SELPERQTA", "Tipo di selezione per importo");
    c.LBL_QUANTITA = label(p, "LBL_QUANTITA", "Quantità", c.CBO_SELPERQTA);
    c.TXT_QUANTITA = field<NumberField>(p, "TXT_QUANTITA", "Quantità");
    c.TXT_QUANTITA->setDigits(11);
    c.TXT_PERCQTA = field<NumberField>(p, "TXT_PERCQTA", "Ampiezza intervallo in percentuale per quantità.");
    c.TXT_PERCQTA->setMask(QStringLiteral("###"));
    for (ComboField* op : {c.CBO_SELPERIMP, c.CBO_SELPERQTA})
        op->setWidthInCharacters(6);
    for (NumberField* number : {c.TXT_IMPORTO, c.TXT_QUANTITA})
        widthInCharacters(number, 16);
    for (NumberField* band : {c.TXT_PERC, c.TXT_PERCQTA})
        widthInCharacters(band, 5);
    auto* grid = new QGridLayout(p);
    grid->addWidget(c.LBL_IMPORTO, 0, 0);
    grid->addWidget(c.CBO_SELPERIMP, 0, 1);
    grid->addWidget(c.TXT_IMPORTO, 0, 2);
    grid->addWidget(c.TXT_PERC, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("%"), p), 0, 4);
    grid->addWidget(c.CHK_QUANTITA, 1, 0, 1, 2);
    grid->addWidget(c.LBL_QUANTITA, 2, 0);
    grid->addWidget(c.CBO_SELPERQTA, 2, 1);
    grid->addWidget(c.TXT_QUANTITA, 2, 2);
    grid->addWidget(c.TXT_PERCQTA, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("%"), p), 2, 4);
    grid->setColumnStretch(5, 1);
    return c.FRAME_TESTATA_IMPORTO;
}

QGroupBox* buildCurrency(FormControls& c, QWidget* parent)
{
    c.FRA_VALUTA = named(new QGroupBox(hostfw::userText("Visualizzazione in valuta"), parent), "FRA_VALUTA");
    QWidget* p = c.FRA_VALUTA;
    c.TXT_CODICEVALUTA = field<TextFieldM>(p, "TXT_CODICEVALUTA", "Codice valuta");
    c.TXT_CODICEVALUTA->setMaxLength(4);
    c.TXT_CODICEVALUTA->setUpperCase(true);
    c.TXT_CODICEVALUTA->addKeyButtonItem(QStringLiteral("Kgestione"), hostfw::userText("Valute e cambi…"));
    c.LBL_CODICEVALUTA = label(p, "LBL_CODICEVALUTA", "&Valuta", c.TXT_CODICEVALUTA);
    c.LBL_SIGLAVALUTA = named(new LabelField({}, p), "LBL_SIGLAVALUTA");
    c.TXT_DATACAMBIO = field<DateFieldM>(p, "TXT_DATACAMBIO", "Data cambio");
    c.LBL_DATACAMBIO = label(p, "LBL_DATACAMBIO", "Data cam&bio", c.TXT_DATACAMBIO);
    c.TXT_CAMBIO = field<NumberFieldM>(p, "TXT_CAMBIO", "Cambio del giorno");
    c.TXT_CAMBIO->setDigits(12);
    c.TXT_CAMBIO->setFormat(QStringLiteral("###,##0.000000"));
    c.LBL_CAMBIO = label(p, "LBL_CAMBIO", "Cambio", c.TXT_CAMBIO);
    for (QWidget* rate : std::initializer_list<QWidget*>{c.TXT_DATACAMBIO, c.TXT_CAMBIO})
        rate->setEnabled(false);
    widthInCharacters(c.TXT_CODICEVALUTA, 8);
    widthInCharacters(c.TXT_DATACAMBIO, 12);
    widthInCharacters(c.TXT_CAMBIO, 16);
    auto* grid = new QGridLayout(p);
    grid->addWidget(c.LBL_CODICEVALUTA, 0, 0);
    grid->addWidget(c.TXT_CODICEVALUTA, 0, 1);
    grid->addWidget(c.LBL_SIGLAVALUTA, 0, 2);
    grid->addWidget(c.LBL_DATACAMBIO, 1, 0);
    grid->addWidget(c.TXT_DATACAMBIO, 1, 1);
    grid->addWidget(c.LBL_CAMBIO, 2, 0);
    grid->addWidget(c.TXT_CAMBIO, 2, 1);
    return c.FRA_VALUTA;
}

QGroupBox* buildExclusions(FormControls& c, QWidget* parent)
{
    c.FRA_ESCLUDI = named(new QGroupBox(hostfw::userText("Esclusioni"), parent), "FRA_ESCLUDI");
    auto* layout = new QVBoxLayout(c.FRA_ESCLUDI);
    const struct {
        controls::CheckField** box;
        const char* name;
        const char* caption;
        const char* note;
    } boxes[] = {
        {&c.CHK_NO_PROGETTI, "CHK_NO_PROGETTI", "Escludi dati progetti",
         "(progetto, sottoprogetto, tipo, stato, classe A/B/C)"},
        {&c.CHK_NO_COMMESSE, "CHK_NO_COMMESSE", "Escludi dati commesse", "(commessa, sottocommessa)"},
        {&c.CHK_NO_VERSAMENTI, "CHK_NO_VERSAMENTI", "Escludi dati versamento tempi",
         "(dipendente, qualifica, reparto, nodo, attività)"},
    };
    for (const auto& b : boxes) {
        *b.box = check(c.FRA_ESCLUDI, b.name, b.caption);
        auto* note = new QLabel(hostfw::userText(b.note), c.FRA_ESCLUDI);
        note->setIndent(20);
        note->setWordWrap(true);
        layout->addWidget(*b.box);
        layout->addWidget(note);
    }
    layout->addStretch(1);
    return c.FRA_ESCLUDI;
}

void buildTabs(FormControls& c, QWidget* parent)
{
    c.TAB_QUORVANE = named(new TabStrip(parent), "TAB_QUORVANE");
    c.ADVQ_SELCONTI = named(new QueryGrid(c.TAB_QUORVANE), "ADVQ_SELCONTI");
    auto* limitsPage = new QWidget(c.TAB_QUORVANE);
    c.ADVQ_LIMITI = named(new QueryGrid(limitsPage), "ADVQ_LIMITI");
    auto* limits = new QHBoxLayout(limitsPage);
    limits->addWidget(c.ADVQ_LIMITI, 1);
    limits->addWidget(buildExclusions(c, limitsPage));
    c.ADVO_ORDINAMENTI = named(new OrderGrid(c.TAB_QUORVANE), "ADVO_ORDINAMENTI");
    c.TAB_QUORVANE->addTab(c.ADVQ_SELCONTI, hostfw::userText("Selezione avan&zata C.d.C. / V.d.S."));
    c.TAB_QUORVANE->addTab(limitsPage, hostfw::userText("&Limiti di selezione movimenti"));
    c.TAB_QUORVANE->addTab(c.ADVO_ORDINAMENTI, hostfw::userText("&Ordinamenti e raggruppamenti"));
}

QHBoxLayout* buildCommands(FormControls& c)
{
    QWidget* p = c.FRAME_PARAMETRI;
    auto* commands = new QHBoxLayout;
    c.CMD_APRISELEZIONE = named(new QPushButton(hostfw::userText("&Apri selezione…"), p), "CMD_APRISELEZIONE");
    c.CMD_SALVASELEZIONE = named(new QPushButton(hostfw::userText("&Salva selezione…"), p), "CMD_SALVASELEZIONE");
    c.CMD_SELEZIONI = named(new QPushButton(hostfw::userText("Selezioni recen&ti"), p), "CMD_SELEZIONI");
    c.CMD_MOVIMENTI = named(new QPushButton(hostfw::userText("&Movimenti"), p), "CMD_MOVIMENTI");
    c.CMD_ELABORA = named(new QPushButton(hostfw::userText("&Elabora"), p), "CMD_ELABORA");
    commands->addWidget(c.CMD_APRISELEZIONE);
    commands->addWidget(c.CMD_SALVASELEZIONE);
    commands->addWidget(c.CMD_SELEZIONI);
    commands->addStretch(1);
    commands->addWidget(c.CMD_MOVIMENTI);
    commands->addWidget(c.CMD_ELABORA);
    return commands;
}

// The Tab key follows the panel as it reads: left to right, top to bottom.
void tabInReadingOrder(const FormControls& c)
{
    const std::initializer_list<QWidget*> order = {
        c.CBO_SELCONTOVDS, c.TXT_CONTO,       c.TXT_DESCRCONTO,  c.TXT_DATAREGDA,    c.TXT_DATAREGA,
        c.CHK_PERIODOCOMP, c.CBO_MESELI,      c.TXT_ANNOLI,      c.CBO_MESELS,       c.TXT_ANNOLS,
        c.USR_TIPOMOV,     c.CBO_INDOPERAZIONE, c.CBO_CONFRONTO, c.CBO_SELPERIMP, c.TXT_IMPORTO,      c.TXT_PERC,
        c.CHK_QUANTITA,    c.CBO_SELPERQTA,   c.TXT_QUANTITA,    c.TXT_PERCQTA,      c.TXT_CODICEVALUTA,
        c.TXT_DATACAMBIO,  c.TXT_CAMBIO,      c.TAB_QUORVANE,    c.ADVQ_SELCONTI,    c.ADVQ_LIMITI,
        c.CHK_NO_PROGETTI, c.CHK_NO_COMMESSE, c.CHK_NO_VERSAMENTI, c.ADVO_ORDINAMENTI, c.CMD_APRISELEZIONE,
        c.CMD_SALVASELEZIONE, c.CMD_SELEZIONI, c.CMD_MOVIMENTI, c.CMD_ELABORA};
    chainTabOrder(order);
}

} // namespace

void buildParametersPanel(FormControls& c, QWidget* window)
{
    c.FRAME_PARAMETRI = named(new QFrame(window), "FRAME_PARAMETRI");
    auto* layout = new QVBoxLayout(c.FRAME_PARAMETRI);

    c.FRAME_TESTATA = frame(c.FRAME_PARAMETRI, "FRAME_TESTATA");
    auto* header = new QVBoxLayout(c.FRAME_TESTATA);
    header->addLayout(buildAccount(c));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildDates(c, c.FRAME_TESTATA));
    left->addWidget(buildAmounts(c, c.FRAME_TESTATA));
    columns->addLayout(left, 3);
    columns->addWidget(buildMovementType(c, c.FRAME_TESTATA), 2);
    columns->addWidget(buildCurrency(c, c.FRAME_TESTATA), 1);
    header->addLayout(columns);
    layout->addWidget(c.FRAME_TESTATA);

    c.TXT_FORMATCONTOCOGE = named(new AccountMaskField(c.FRAME_PARAMETRI), "TXT_FORMATCONTOCOGE");
    c.TXT_FORMATCONTOCOGE->setVisible(false);

    buildTabs(c, c.FRAME_PARAMETRI);
    layout->addWidget(c.TAB_QUORVANE, 1);
    layout->addLayout(buildCommands(c));
    tabInReadingOrder(c);
}

} // namespace quorvane::host
