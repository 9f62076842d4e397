#pragma once
// The window of a host program that shows where a cost-accounting movement came from (the movement itself,
// its journal entry, the reconciliation of the two, its warehouse document). It reads the company database
// once when opened and shows a header of captioned fields, a list of lines and their totals. Editing stays
// with the ERP's own programs: the title says "sola lettura". Esc or "Chiudi" closes it, and it says so with
// `closed`, so that whoever opened it can come back.

#include <QStringList>
#include <QWidget>

class QGridLayout;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace hostfw {

// What a program was opened with, as the connector received it.
struct SourceProgramArguments {
    QString reason;                 // the cost-accounting reason
    int company = 0;
    QString registrationNumber;
    QString ledgerReason;           // the journal entry's reason
    QString filter;                 // which journal entry
    QString documentKey;
    bool operator==(const SourceProgramArguments&) const = default;
};

class SourceProgramWindow : public QWidget {
    Q_OBJECT
public:
    // Titled "<program> - <subject> (sola lettura)".
    SourceProgramWindow(const QString& program, const QString& subject, SourceProgramArguments arguments);
    ~SourceProgramWindow() override;

    const QString& program() const { return program_; }
    const SourceProgramArguments& arguments() const { return arguments_; }

    void addHeaderField(const QString& caption, const QString& value);
    // The lines' column captions; the columns named in `numeric` are aligned to the right.
    void setLineColumns(const QStringList& captions, const QStringList& numeric = {});
    // A line, or a line shown under another one.
    QTreeWidgetItem* addLine(const QStringList& cells, QTreeWidgetItem* under = nullptr);
    void addTotal(const QString& caption, const QString& value);

    // The value shown beside a header or a total caption; empty text when there is none.
    QString headerValue(const QString& caption) const;
    QString totalValue(const QString& caption) const;
    QTreeWidget* lines() const { return lines_; }

    // Shows the window in the host's frame (an MDI area) when there is one, else on its own, in front.
    void open(QObject* frame);
    // Closes the window, with the frame's window that carries it.
    void closeProgram();

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* addField(QGridLayout* grid, int& count, const QString& caption, const QString& value);

    QString program_;
    SourceProgramArguments arguments_;
    QGridLayout* header_;
    QGridLayout* totals_;
    QTreeWidget* lines_;
    QStringList numericColumns_;
    int headerFields_ = 0;
    int totalFields_ = 0;
    bool closed_ = false;
};

} // namespace hostfw
