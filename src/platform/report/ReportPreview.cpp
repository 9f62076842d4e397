#include "report/ReportPreview.h"

#include "report/Printing.h"

#include "files/OutputFile.h"

#include <poppler-qt6.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QKeyEvent>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>
#include <stdexcept>

namespace report {

namespace {

// A landscape A4 page at the screen's 96 dots per inch, with the window's margins and scroll bar.
constexpr int windowChrome = 48;
constexpr int landscapeWidth = 1123 + windowChrome;

} // namespace

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
    if (!drawPdf(*report_, context_, file_.fileName()))
        throw std::runtime_error("the preview's temporary file could not be completed");
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
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry() : QRect();
    const int width = screen.isEmpty() ? landscapeWidth : std::min(landscapeWidth, screen.width());
    resize(width, screen.isEmpty() ? 800 : std::min(800, screen.height()));
    fitToWidth(width);
    showPage(1);
}

ReportPreview::~ReportPreview() = default;

// The page as wide as the window leaves room for, beside the scroll bar and the margins.
void ReportPreview::fitToWidth(int windowWidth)
{
    const std::unique_ptr<Poppler::Page> first = document_->page(0);
    if (!first)
        return;
    const double inches = first->pageSizeF().width() / 72;
    dotsPerInch_ = std::clamp((windowWidth - windowChrome) / inches, 36.0, 300.0);
}

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
    ofPages_ = new QLabel(QStringLiteral("di %1").arg(pageCount()), this);
    bar->addWidget(ofPages_);
    button(QStringLiteral(">"), [this] { showPage(page_ + 1); });
    button(QStringLiteral(">|"), [this] { showPage(pageCount()); });
    button(QStringLiteral("-"), [this] { zoomBy(1 / 1.25); });
    button(QStringLiteral("+"), [this] { zoomBy(1.25); });
    bar->addStretch(1);
    button(QStringLiteral("Stampa…"), [this] { printReport(); });
    button(QStringLiteral("Salva PDF…"), [this] { savePdfAs(); });
    button(QStringLiteral("Chiudi"), [this] { close(); });
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

void ReportPreview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void ReportPreview::zoomBy(double factor)
{
    dotsPerInch_ = std::clamp(dotsPerInch_ * factor, 36.0, 300.0);
    showPage(page_);
}

void ReportPreview::savePdf(const QString& path) const
{
    files::OutputFile target(QFile::encodeName(path).toStdString(), "the PDF file");
    std::error_code error;
    std::filesystem::copy_file(QFile::encodeName(file_.fileName()).toStdString(), target.temporaryPath(),
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error)
        target.fail(error.message());
    target.commit();
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
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salva PDF"),
                                                      QString::fromStdString(context_.title) + QStringLiteral(".pdf"),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        savePdf(path);
    } catch (const files::OutputFileError& e) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(e.what()));
    }
}

} // namespace report
