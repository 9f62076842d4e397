#include "hostfw/SourceProgramWindow.h"

#include "hostfw/HostFrame.h"
#include "hostfw/Phrases.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace hostfw {

namespace {

// Header and totals lay their captioned fields out in this many pairs per row.
constexpr int fieldsPerRow = 3;
// The program's place in the host's frame, in twips.
constexpr QRect programTwips(300, 300, 13500, 6600);

QString valueIn(const QGridLayout& grid, const QString& caption)
{
    for (int i = 0; i < grid.count(); ++i)
        if (auto* field = qobject_cast<QLineEdit*>(grid.itemAt(i)->widget()); field && field->objectName() == caption)
            return field->text();
    return {};
}

} // namespace

SourceProgramWindow::SourceProgramWindow(const QString& program, const QString& subject,
                                         SourceProgramArguments arguments)
    : program_(program),
      arguments_(std::move(arguments)),
      header_(new QGridLayout),
      totals_(new QGridLayout),
      lines_(new QTreeWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(userText("%1 - %2 (sola lettura)").arg(program, subject));
    lines_->setRootIsDecorated(false);
    lines_->setUniformRowHeights(true);
    lines_->setAlternatingRowColors(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(userText("&Chiudi"));
    connect(buttons, &QDialogButtonBox::rejected, this, &SourceProgramWindow::closeProgram);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header_);
    layout->addWidget(lines_, 1);
    layout->addLayout(totals_);
    layout->addWidget(buttons);
}

// A frame window deleted without closing its program still ends it.
SourceProgramWindow::~SourceProgramWindow()
{
    if (!std::exchange(closed_, true))
        emit closed();
}

QLineEdit* SourceProgramWindow::addField(QGridLayout* grid, int& count, const QString& caption, const QString& value)
{
    auto* field = new QLineEdit(value, this);
    field->setReadOnly(true);
    field->setObjectName(caption);
    field->setCursorPosition(0);
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    const int row = count / fieldsPerRow, column = 2 * (count % fieldsPerRow);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    ++count;
    return field;
}

void SourceProgramWindow::addHeaderField(const QString& caption, const QString& value)
{
    addField(header_, headerFields_, caption, value);
}

void SourceProgramWindow::addTotal(const QString& caption, const QString& value)
{
    addField(totals_, totalFields_, caption, value)->setAlignment(Qt::AlignRight);
}

void SourceProgramWindow::setLineColumns(const QStringList& captions, const QStringList& numeric)
{
    lines_->setHeaderLabels(captions);
    numericColumns_ = numeric;
}

QTreeWidgetItem* SourceProgramWindow::addLine(const QStringList& cells, QTreeWidgetItem* under)
{
    auto* item = new QTreeWidgetItem(cells);
    for (int column = 0; column < lines_->columnCount(); ++column)
        if (numericColumns_.contains(lines_->headerItem()->text(column)))
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    if (under) {
        under->addChild(item);
        lines_->setRootIsDecorated(true);
        under->setExpanded(true);
    } else {
        lines_->addTopLevelItem(item);
    }
    return item;
}

QString SourceProgramWindow::headerValue(const QString& caption) const
{
    return valueIn(*header_, caption);
}

QString SourceProgramWindow::totalValue(const QString& caption) const
{
    return valueIn(*totals_, caption);
}

void SourceProgramWindow::open(QObject* frame)
{
    for (int column = 0; column < lines_->columnCount(); ++column)
        lines_->resizeColumnToContents(column);
    QWidget* window = placeInHostFrame(this, frame, programTwips);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
    lines_->setFocus(Qt::OtherFocusReason);
}

void SourceProgramWindow::closeProgram()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void SourceProgramWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeProgram();
        return;
    }
    QWidget::keyPressEvent(event);
}

// A frame window that closes closes the program inside it first; either way the program says it closed once.
void SourceProgramWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!std::exchange(closed_, true))
        emit closed();
}

} // namespace hostfw
