#include "report/ReportPreview.h"

#include "report/Printing.h"

#include <poppler-qt6.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace report {

ReportPreview::ReportPreview(std::shared_ptr<const PreparedReport> report, PrintContext context, int copies,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), report_(std::move(report)), context_(std::move(context)), copies_(copies)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(context_.title));
    file_.setFileTemplate(QDir::tempPath() + QStringLiteral("/quorvane-preview-XXXXXX.pdf"));
    if (!file_.open())
        throw std::runtime_error("the preview's temporary file cannot be created: " + file_.errorString().toStdString());
    file_.close();
    printToPdf(*report_, context_, file_.fileName());
    document_ = Poppler::Document::load(file_.fileName());
    if (!document_)
        throw std::runtime_error("the preview cannot read back the pages it drew");
    document_->setRenderHint(Poppler::Document::TextAntialiasing);
    document_->setRenderHint(Poppler::Document::Antialiasing);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildToolbar());
    scroll_ = new QScrollArea(this);
    image_ = new QLabel(scroll_);
    image_->setAlignment(Qt::AlignCenter);
    scroll_->setWidget(image_);
    scroll_->setWidgetResizable(true);
    scroll_->setBackgroundRole(QPalette::Dark);
    layout->addWidget(scroll_, 1);
    resize(1000, 760);
    showPage(1);
}

ReportPreview::~ReportPreview() = default;

int ReportPreview::pageCount() const { return document_->numPages(); }

QHBoxLayout* ReportPreview::buildToolbar()
{
    auto* bar = new QHBoxLayout;
    auto button = [this, bar](const QString& text, auto action) {
        auto* b = new QToolButton(this);
        b->setText(text);
        connect(b, &QToolButton::clicked, this, action);
        bar->addWidget(b);
    };
    button(QStringLiteral("|<"), [this] { showPage(1); });
    button(QStringLiteral("<"), [this] { showPage(page_ - 1); });
    pageBox_ = new QSpinBox(this);
    pageBox_->setRange(1, std::max(pageCount(), 1));
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int page) { showPage(page); });
    bar->addWidget(new QLabel(QStringLiteral("Pagina"), this));
    bar->addWidget(pageBox_);
    ofPages_ = new QLabel(QCoreApplication::translate("report", "di %1").arg(pageCount()), this);
    bar->addWidget(ofPages_);
    button(QStringLiteral(">"), [this] { showPage(page_ + 1); });
    button(QStringLiteral(">|"), [this] { showPage(pageCount()); });
    button(QStringLiteral("-"), [this] { zoomBy(1 / 1.25); });
    button(QStringLiteral("+"), [this] { zoomBy(1.25); });
    bar->addStretch(1);
    button(QCoreApplication::translate("report", "Stampa…"), [this] { printReport(); });
    button(QCoreApplication::translate("report", "Salva PDF…"), [this] { savePdfAs(); });
    return bar;
}

QImage ReportPreview::pageImage(int page, double dotsPerInch) const
{
    const std::unique_ptr<Poppler::Page> p = document_->page(page - 1);
    return p ? p->renderToImage(dotsPerInch, dotsPerInch) : QImage();
}

void ReportPreview::showPage(int page)
{
    page_ = std::clamp(page, 1, std::max(pageCount(), 1));
    image_->setPixmap(QPixmap::fromImage(pageImage(page_, dotsPerInch_)));
    const QSignalBlocker quiet(pageBox_);
    pageBox_->setValue(page_);
}

void ReportPreview::zoomBy(double factor)
{
    dotsPerInch_ = std::clamp(dotsPerInch_ * factor, 36.0, 300.0);
    showPage(page_);
}

bool ReportPreview::savePdf(const QString& path) const
{
    QFile::remove(path);
    return QFile::copy(file_.fileName(), path);
}

void ReportPreview::printReport()
{
    try {
        printWithDialog(*report_, context_, copies_, this);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(e.what()));
    }
}

void ReportPreview::savePdfAs()
{
    const QString path = QFileDialog::getSaveFileName(this, QCoreApplication::translate("report", "Salva PDF"),
                                                      QString::fromStdString(context_.title) + QStringLiteral(".pdf"),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty() && !savePdf(path))
        QMessageBox::warning(this, windowTitle(),
                             QCoreApplication::translate("report", "Il file %1 non può essere scritto.").arg(path));
}

} // namespace report
