#include "ResultsPanelLayout.h"
#include "PanelBuilding.h"

#include "FormControls.h"

#include "chart/GroupChartView.h"
#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/LabelField.h"
#include "controls/SplitterPanel.h"
#include "controls/ToolbarMenuButton.h"
#include "engine/SummaryCriteria.h"
#include "hostfw/Phrases.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace quorvane::host {
namespace {

using controls::LabelField;

QPushButton* button(QWidget* parent, const char* name, const char* caption)
{
    return named(new QPushButton(hostfw::userText(caption), parent), name);
}

// A figure the window writes: right-aligned in a sunken box wide enough for a thousand million with cents.
LabelField* figure(QWidget* parent, const char* name)
{
    LabelField* f = named(new LabelField({}, parent), name);
    f->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setMinimumWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("-9.999.999.999,99 ")) + 8);
    return f;
}

// A line of text the window writes, such as a criterion of the summary.
LabelField* text(QWidget* parent, const char* name)
{
    LabelField* t = named(new LabelField({}, parent), name);
    t->setTextFormat(Qt::PlainText);
    return t;
}

LabelField* caption(QWidget* parent, const char* words)
{
    return new LabelField(hostfw::userText(words), parent);
}

// One row of figures: the row's caption, debit, credit and balance, the currency of the amounts, then the
// quantity.
void figureRow(QGridLayout* grid, int row, const char* rowCaption, const char* debit, const char* credit,
               const char* balance, const char* currency, const char* quantity)
{
    QWidget* parent = grid->parentWidget();
    grid->addWidget(caption(parent, rowCaption), row, 0);
    grid->addWidget(figure(parent, debit), row, 1);
    grid->addWidget(figure(parent, credit), row, 2);
    grid->addWidget(figure(parent, balance), row, 3);
    if (currency)
        grid->addWidget(text(parent, currency), row, 4);
    grid->addWidget(figure(parent, quantity), row, 5);
}

// The header of the figures: the debit and credit captions are the window's (they follow the kind of
// cost accounting), the others fixed.
void figureHeader(QGridLayout* grid, LabelField* debit, LabelField* credit)
{
    QWidget* parent = grid->parentWidget();
    const std::pair<QLabel*, int> headers[] = {
        {debit, 1}, {credit, 2}, {caption(parent, "Saldo"), 3}, {caption(parent, "Quantità"), 5}};
    for (const auto& [header, column] : headers) {
        header->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(header, 0, column);
    }
    grid->setColumnStretch(6, 1);
}

// The comparison's balance of the group shown, the variance and its percent, under the balances; their
// captions are the user's language's, written when the window sets up its analysis.
void comparisonRows(QGridLayout* grid, int firstRow)
{
    QWidget* parent = grid->parentWidget();
    int row = firstRow;
    for (const auto& [name, field] : {std::pair{"LBL_TOTCONFRONTO", "TXT_TOTCONFRONTO"},
                                      std::pair{"LBL_TOTSCOSTAMENTO", "TXT_TOTSCOSTAMENTO"},
                                      std::pair{"LBL_TOTSCOSTPERC", "TXT_TOTSCOSTPERC"}}) {
        grid->addWidget(named(new LabelField({}, parent), name), row, 0);
        grid->addWidget(figure(parent, field), row++, 3);
    }
}

QFrame* buildSelectionTotals(FormControls& c, QWidget* parent)
{
    c.FME_TOTALIGEN = frame(parent, "FME_TOTALIGEN");
    auto* grid = new QGridLayout(c.FME_TOTALIGEN);
    c.LBL_COSTI = named(new LabelField({}, c.FME_TOTALIGEN), "LBL_COSTI");
    c.LBL_RICAVI = named(new LabelField({}, c.FME_TOTALIGEN), "LBL_RICAVI");
    figureHeader(grid, c.LBL_COSTI, c.LBL_RICAVI);
    figureRow(grid, 1, "Gruppo", "TXT_TOTDARE", "TXT_TOTAVERE", "TXT_TOTSALDO", "LBL_PARTVAL", "TXT_TOTQUANTITA");
    figureRow(grid, 2, "Totale selezione", "TXT_TOTGENDARE", "TXT_TOTGENAVERE", "TXT_TOTGENSALDO", "LBL_TOTVAL",
              "TXT_TOTGENQUANTITA");
    comparisonRows(grid, 3);
    grid->setRowStretch(6, 1);
    return c.FME_TOTALIGEN;
}

QFrame* buildUngroupedTotals(FormControls& c, QWidget* parent)
{
    c.FME_TOTALINOGRUPPO = frame(parent, "FME_TOTALINOGRUPPO");
    auto* grid = new QGridLayout(c.FME_TOTALINOGRUPPO);
    c.LBL_TOTNOGRUPPO_COSTI = named(new LabelField({}, c.FME_TOTALINOGRUPPO), "LBL_TOTNOGRUPPO_COSTI");
    c.LBL_TOTNOGRUPPO_RICAVI = named(new LabelField({}, c.FME_TOTALINOGRUPPO), "LBL_TOTNOGRUPPO_RICAVI");
    figureHeader(grid, c.LBL_TOTNOGRUPPO_COSTI, c.LBL_TOTNOGRUPPO_RICAVI);
    figureRow(grid, 1, "Totale selezione", "TXT_TOTNOGRUPPODARE", "TXT_TOTNOGRUPPOAVERE", "TXT_TOTNOGRUPPOSALDO",
              nullptr, "TXT_TOTNOGRUPPOQUANTITA");
    return c.FME_TOTALINOGRUPPO;
}

// The selection in words, two criteria a row.
QFrame* buildSummary(QWidget* parent)
{
    QFrame* summary = frame(parent, "FRA_RIEPILOGO");
    auto* grid = new QGridLayout(summary);
    int i = 0;
    for (const SummaryCriterion& criterion : summaryCriteria) {
        const int row = i / 2;
        const int column = (i % 2) * 2;
        grid->addWidget(caption(summary, criterion.caption), row, column);
        grid->addWidget(text(summary, criterion.field), row, column + 1);
        ++i;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return summary;
}

QFrame* gridFrame(QWidget* parent, const char* name, controls::DataGrid*& grid, const char* gridName)
{
    QFrame* f = frame(parent, name);
    grid = named(new controls::DataGrid(f), gridName);
    // The arrows move among the cells; Tab moves on to the window's next control, as from the tree.
    grid->setTabKeyNavigation(false);
    auto* layout = new QVBoxLayout(f);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    return f;
}

// Over the movement grid its quick filter, under it the totals of the lines it shows.
void addGridTools(FormControls& c, QFrame* movements)
{
    auto* layout = static_cast<QVBoxLayout*>(movements->layout());
    c.TXT_FILTRORIGHE = named(new QLineEdit(movements), "TXT_FILTRORIGHE");
    c.TXT_FILTRORIGHE->setPlaceholderText(hostfw::userText("Filtra le righe…"));
    c.TXT_FILTRORIGHE->setClearButtonEnabled(true);
    layout->insertWidget(0, c.TXT_FILTRORIGHE);
    c.LBL_TOTALIRIGHE = text(movements, "LBL_TOTALIRIGHE");
    layout->addWidget(c.LBL_TOTALIRIGHE);
}

QHBoxLayout* buildCommands(FormControls& c)
{
    QWidget* p = c.FRA_RISULTATI;
    auto* commands = new QHBoxLayout;
    c.CMD_LEFT = button(p, "CMD_LEFT", "<< &Origini");
    c.CMD_RIGHT = button(p, "CMD_RIGHT", "&Destinazioni >>");
    c.CHK_VIEWRIGHE = named(new QCheckBox(hostfw::userText("&Righe del movimento"), p), "CHK_VIEWRIGHE");
    c.CHK_GRAFICO = named(new QCheckBox(hostfw::userText("Gra&fico"), p), "CHK_GRAFICO");
    c.CMD_ESPANDI = button(p, "CMD_ESPANDI", "Es&pandi");
    c.CMD_CHIUDI = button(p, "CMD_CHIUDI", "C&hiudi");
    c.CMD_ESPORTA = named(new controls::ToolbarMenuButton(p), "CMD_ESPORTA");
    c.CMD_ESPORTA->setText(hostfw::userText("&Esporta…"));
    c.CMD_STAMPA = named(new controls::ToolbarMenuButton(p), "CMD_STAMPA");
    c.CMD_STAMPA->setText(hostfw::userText("&Stampa"));
    c.CMD_MODIFICA = button(p, "CMD_MODIFICA", "&Modifica");
    c.CMD_PARAMETRI = button(p, "CMD_PARAMETRI", "P&arametri");
    for (QWidget* command : std::initializer_list<QWidget*>{c.CHK_VIEWRIGHE, c.CMD_LEFT, c.CMD_RIGHT, c.CMD_ESPANDI,
                                                            c.CMD_CHIUDI, c.CHK_GRAFICO})
        commands->addWidget(command);
    commands->addStretch(1);
    for (QWidget* command :
         std::initializer_list<QWidget*>{c.CMD_ESPORTA, c.CMD_STAMPA, c.CMD_MODIFICA, c.CMD_PARAMETRI})
        commands->addWidget(command);
    return commands;
}

// The Tab key goes from the tree to the movements, their lines, then the commands as they read.
void tabInReadingOrder(const FormControls& c)
{
    const std::initializer_list<QWidget*> order = {
        c.TRE_GRUPPI,  c.TXT_FILTRORIGHE, c.GRD_MOVIMENTI, c.GRD_DETTAGLIO, c.CHK_VIEWRIGHE, c.CMD_LEFT,
        c.CMD_RIGHT,   c.CMD_ESPANDI,     c.CMD_CHIUDI,    c.CHK_GRAFICO,   c.CMD_ESPORTA,   c.CMD_STAMPA,
        c.CMD_MODIFICA, c.CMD_PARAMETRI};
    chainTabOrder(order);
}

} // namespace

void buildResultsPanel(FormControls& c, QWidget* window)
{
    c.FRA_RISULTATI = named(new QFrame(window), "FRA_RISULTATI");
    auto* layout = new QVBoxLayout(c.FRA_RISULTATI);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* groups = new QHBoxLayout;
    c.TRE_GRUPPI = named(new controls::GroupTreeView(c.FRA_RISULTATI), "TRE_GRUPPI");
    groups->addWidget(c.TRE_GRUPPI, 1);
    c.GRF_GRAFICO = named(new chart::GroupChartView(c.FRA_RISULTATI), "GRF_GRAFICO");
    c.GRF_GRAFICO->setMinimumWidth(c.GRF_GRAFICO->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 40);
    groups->addWidget(c.GRF_GRAFICO, 1);
    groups->addWidget(buildSelectionTotals(c, c.FRA_RISULTATI), 0, Qt::AlignTop);
    layout->addLayout(groups);

    c.ARQ_SPLIT = named(new controls::SplitterPanel(c.FRA_RISULTATI), "ARQ_SPLIT");
    c.FRA_MOVIMENTI = gridFrame(c.ARQ_SPLIT, "FRA_MOVIMENTI", c.GRD_MOVIMENTI, "GRD_MOVIMENTI");
    addGridTools(c, c.FRA_MOVIMENTI);
    c.FRA_DETTAGLIO = gridFrame(c.ARQ_SPLIT, "FRA_DETTAGLIO", c.GRD_DETTAGLIO, "GRD_DETTAGLIO");
    c.ARQ_SPLIT->setPanes(c.FRA_MOVIMENTI, c.FRA_DETTAGLIO);
    layout->addWidget(c.ARQ_SPLIT, 1);

    auto* under = new QHBoxLayout;
    under->addWidget(buildUngroupedTotals(c, c.FRA_RISULTATI));
    under->addWidget(buildSummary(c.FRA_RISULTATI), 1);
    layout->addLayout(under);
    layout->addLayout(buildCommands(c));
    tabInReadingOrder(c);
}

// The tree's row is the layout item just above the splitter.
void shareResultsHeight(const FormControls& c, int treeRowTwips, int splitterTwips)
{
    auto* layout = static_cast<QVBoxLayout*>(c.FRA_RISULTATI->layout());
    layout->setStretch(layout->indexOf(c.ARQ_SPLIT) - 1, treeRowTwips);
    layout->setStretchFactor(c.ARQ_SPLIT, splitterTwips);
}

} // namespace quorvane::host
