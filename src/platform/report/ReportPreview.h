#pragma once
// The on-screen preview of a print: the report is drawn once into a temporary PDF, and only the page
// on screen is rendered from it (a preview that kept every page as a picture would grow with the
// ledger). From the preview the user prints (the report is drawn again, for the printer) or saves the
// PDF. The window owns the prepared report it shows, so it stays usable after the report object that
// opened it is gone; it deletes itself when closed (its Close button, Esc). It opens wide enough for a
// landscape page's every column, the page fitted to its width.

#include "report/PreparedReport.h"
#include "report/Renderer.h"

#include <QTemporaryFile>
#include <QWidget>

#include <memory>

class QHBoxLayout;
class QLabel;
class QScrollArea;
class QSpinBox;

namespace Poppler {
class Document;
}

namespace report {

class ReportPreview : public QWidget {
    Q_OBJECT
public:
    // Draws the report; throws as renderReport does, or std::runtime_error when the temporary file fails.
    ReportPreview(std::shared_ptr<const PreparedReport> report, PrintContext context, int copies,
                  QWidget* parent = nullptr);
    ~ReportPreview() override;

    int pageCount() const;
    int currentPage() const { return page_; }   // from 1
    void showPage(int page);
    QImage pageImage(int page, double dotsPerInch) const;
    double dotsPerInch() const { return dotsPerInch_; }
    // Writes the drawn pages to `path` under the rule of every output (files/OutputFile.h); throws
    // files::OutputFileError naming the file and the cause.
    void savePdf(const QString& path) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QHBoxLayout* buildToolbar();
    void printReport();
    void savePdfAs();
    void zoomBy(double factor);
    void fitToWidth(int windowWidth);

    std::shared_ptr<const PreparedReport> report_;
    PrintContext context_;
    int copies_;
    QTemporaryFile file_;
    std::unique_ptr<Poppler::Document> document_;
    int page_ = 1;
    double dotsPerInch_ = 96;
    QScrollArea* scroll_ = nullptr;
    QLabel* image_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* ofPages_ = nullptr;
};

} // namespace report
