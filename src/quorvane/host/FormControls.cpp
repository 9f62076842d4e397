#include "FormControls.h"

#include "ParametersPanelLayout.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <initializer_list>

namespace quorvane::host {
namespace {

template <class Control>
Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QFrame* frame(QWidget* parent, const char* name)
{
    auto* f = named(new QFrame(parent), name);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption)
{
    return named(new QPushButton(QString::fromUtf8(caption), parent), name);
}

void buildResults(FormControls& c, QWidget* window)
{
    c.FRA_RISULTATI = named(new QFrame(window), "FRA_RISULTATI");
    auto* layout = new QVBoxLayout(c.FRA_RISULTATI);

    c.ARQ_SPLIT = named(new QSplitter(Qt::Horizontal, c.FRA_RISULTATI), "ARQ_SPLIT");
    c.TRE_GRUPPI = named(new QTreeWidget(c.ARQ_SPLIT), "TRE_GRUPPI");
    c.TRE_GRUPPI->setHeaderHidden(true);
    auto* grids = new QSplitter(Qt::Vertical, c.ARQ_SPLIT);
    c.FRA_MOVIMENTI = frame(grids, "FRA_MOVIMENTI");
    c.FRA_DETTAGLIO = frame(grids, "FRA_DETTAGLIO");
    layout->addWidget(c.ARQ_SPLIT, 1);

    auto* totals = new QHBoxLayout;
    c.FME_TOTALIGEN = frame(c.FRA_RISULTATI, "FME_TOTALIGEN");
    c.LBL_COSTI = named(new QLabel(c.FME_TOTALIGEN), "LBL_COSTI");
    c.LBL_RICAVI = named(new QLabel(c.FME_TOTALIGEN), "LBL_RICAVI");
    auto* general = new QHBoxLayout(c.FME_TOTALIGEN);
    general->addWidget(c.LBL_COSTI);
    general->addWidget(c.LBL_RICAVI);
    c.FME_TOTALINOGRUPPO = frame(c.FRA_RISULTATI, "FME_TOTALINOGRUPPO");
    c.LBL_TOTNOGRUPPO_COSTI = named(new QLabel(c.FME_TOTALINOGRUPPO), "LBL_TOTNOGRUPPO_COSTI");
    c.LBL_TOTNOGRUPPO_RICAVI = named(new QLabel(c.FME_TOTALINOGRUPPO), "LBL_TOTNOGRUPPO_RICAVI");
    auto* ungrouped = new QHBoxLayout(c.FME_TOTALINOGRUPPO);
    ungrouped->addWidget(c.LBL_TOTNOGRUPPO_COSTI);
    ungrouped->addWidget(c.LBL_TOTNOGRUPPO_RICAVI);
    totals->addWidget(c.FME_TOTALIGEN);
    totals->addWidget(c.FME_TOTALINOGRUPPO);
    layout->addLayout(totals);

    auto* commands = new QHBoxLayout;
    c.CMD_LEFT = button(c.FRA_RISULTATI, "CMD_LEFT", "<<");
    c.CMD_RIGHT = button(c.FRA_RISULTATI, "CMD_RIGHT", ">>");
    c.CHK_VIEWRIGHE = named(new QCheckBox(QStringLiteral("Righe"), c.FRA_RISULTATI), "CHK_VIEWRIGHE");
    c.CMD_ESPANDI = button(c.FRA_RISULTATI, "CMD_ESPANDI", "Es&pandi");
    c.CMD_CHIUDI = button(c.FRA_RISULTATI, "CMD_CHIUDI", "C&hiudi");
    c.CMD_STAMPA = named(new QToolButton(c.FRA_RISULTATI), "CMD_STAMPA");
    c.CMD_STAMPA->setText(QStringLiteral("&Stampa"));
    c.CMD_STAMPA->setPopupMode(QToolButton::MenuButtonPopup);
    c.CMD_MODIFICA = button(c.FRA_RISULTATI, "CMD_MODIFICA", "&Modifica");
    c.CMD_PARAMETRI = button(c.FRA_RISULTATI, "CMD_PARAMETRI", "&Parametri");
    for (QWidget* command :
         std::initializer_list<QWidget*>{c.CMD_LEFT, c.CMD_RIGHT, c.CHK_VIEWRIGHE, c.CMD_ESPANDI, c.CMD_CHIUDI})
        commands->addWidget(command);
    commands->addStretch(1);
    for (QWidget* command : std::initializer_list<QWidget*>{c.CMD_STAMPA, c.CMD_MODIFICA, c.CMD_PARAMETRI})
        commands->addWidget(command);
    layout->addLayout(commands);
}

} // namespace

FormControls FormControls::build(QWidget* window)
{
    FormControls c;
    buildParametersPanel(c, window);
    buildResults(c, window);
    c.PBARSELEZIONE = named(new QProgressBar(window), "PBARSELEZIONE");
    c.PBARSELEZIONE->setVisible(false);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(c.FRAME_PARAMETRI, 1);
    layout->addWidget(c.FRA_RISULTATI, 1);
    layout->addWidget(c.PBARSELEZIONE);
    return c;
}

} // namespace quorvane::host
