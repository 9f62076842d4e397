#include "HostMainWindow.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>

#include <algorithm>
#include <exception>

namespace hostshell {
namespace {

const QString ledgerClass = QStringLiteral("QUORVANE.CLSCI_QUORVANE");
const QString ledgerCaption = QStringLiteral("Partitario contabilità analitica");

} // namespace

HostMainWindow::HostMainWindow(std::shared_ptr<hostfw::ClsGlobal> session, const QString& pluginFile)
    : session_(std::move(session)),
      loader_(pluginFile),
      mdi_(new QMdiArea(this)),
      statusBar_(new hostfw::HostStatusBar(this)),
      pool_(new hostfw::JournalEntryPool(this))
{
    setCentralWidget(mdi_);
    setStatusBar(statusBar_);
    setWindowTitle(QStringLiteral("Quorvane - ditta %1 %2")
                       .arg(session_->Company().company)
                       .arg(QString::fromStdString(session_->Company().name)));
    buildMenus();
    statusBar_->setPanelText(1, session_->UserCode());
    openSourceProgramsHere();
    resize(1100, 700);
}

// The programs end before the frame and the status bar they were given.
HostMainWindow::~HostMainWindow()
{
    programs_.clear();
}

// The programs that show a movement's source open in the MDI area; the journal-entry pool only shows
// entries; while a program that must be worked on alone is open, the host's menus wait.
void HostMainWindow::openSourceProgramsHere()
{
    session_->setProgramFrame(mdi_);
    pool_->PbolActiveQuery = true;
    connect(session_.get(), &hostfw::ClsGlobal::HostInteractionChanged, menuBar(), &QWidget::setEnabled);
}

void HostMainWindow::buildMenus()
{
    QMenu* programs = menuBar()->addMenu(QStringLiteral("&Programmi"));
    ledgerEntry_ = programs->addAction(ledgerCaption, this, [this] { openLedgerInquiry(); });
    programs->addAction(QStringLiteral("&Chiudi programma"), this, [this] { closeLastProgram(); });
    programs->addSeparator();
    programs->addAction(QStringLiteral("&Esci"), this, &QWidget::close);
    QMenu* company = menuBar()->addMenu(QStringLiteral("&Ditta"));
    company->addAction(QStringLiteral("&Cambia ditta..."), this, [this] { requestCompanyChange(); });
}

bool HostMainWindow::openLedgerInquiry()
{
    HostContext host{session_, statusBar_, mdi_, ledgerEntry_, pool_, qint32(winId())};
    try {
        auto program = std::make_unique<HostedProgram>(
            loader_, ledgerClass, host, MenuPlace{QStringLiteral("COAN"), QStringLiteral("INTERROGAZIONI"),
                                                  QStringLiteral("QUORVANE"), ledgerCaption});
        HostedProgram& shown = *programs_.emplace_back(std::move(program));
        shown.show();
        return true;
    } catch (const std::exception& e) {
        statusBar_->setPanelText(2, QString::fromUtf8(e.what()));
        return false;
    }
}

void HostMainWindow::closeLastProgram()
{
    if (!programs_.empty() && programs_.back()->close())
        programs_.pop_back();
}

bool HostMainWindow::closePrograms()
{
    while (!programs_.empty()) {
        if (!programs_.back()->close())
            return false;
        programs_.pop_back();
    }
    return true;
}

void HostMainWindow::closeEvent(QCloseEvent* event)
{
    if (closePrograms())
        event->accept();
    else
        event->ignore();
}

// The host asks every open program before it changes company; one refusal keeps the company.
void HostMainWindow::requestCompanyChange()
{
    const bool refused = std::any_of(programs_.begin(), programs_.end(),
                                     [](const auto& program) { return program->navigator().RequestCompanyChange(); });
    statusBar_->setPanelText(2, refused ? QStringLiteral("Cambio ditta annullato")
                                        : QStringLiteral("Cambio ditta consentito"));
}

} // namespace hostshell
