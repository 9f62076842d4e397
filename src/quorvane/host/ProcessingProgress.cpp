#include "ProcessingProgress.h"

#include "controls/ProgressField.h"
#include "hostfw/Translator.h"

#include <QCoreApplication>

#include <limits>

namespace quorvane::host {
namespace {

// The bar counts in int; a tree pass over more rows than that is shown at its end.
int bounded(long value)
{
    return value > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(value);
}

} // namespace

void ProcessingProgress::progress(int value, int textNumber)
{
    if (value == 0)
        bar_.setVisible(true);
    bar_.setRange(0, progressMaximum);
    bar_.setValue(value);
    caption(textNumber);
}

// The bar counts the parts finished, its caption the extraction's text with "finished/total".
bool ProcessingProgress::parts(int finished, int total)
{
    bar_.setRange(0, total);
    bar_.setValue(finished);
    bar_.setCaption(translator_.text(textExtracting) + QStringLiteral(" %1/%2").arg(finished).arg(total));
    bar_.Refresh();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void ProcessingProgress::start(long minimum, long maximum, long value)
{
    bar_.setVisible(true);
    bar_.setRange(bounded(minimum), bounded(maximum));
    bar_.setValue(bounded(value));
}

void ProcessingProgress::caption(int textNumber)
{
    bar_.setCaption(translator_.text(textNumber));
    bar_.Refresh();
    window_.repaint();
}

// The bar repaints itself at once when the new value moves it visibly; a forced repaint on each of a
// million rows would cost more than the pass it reports.
void ProcessingProgress::step(long value)
{
    bar_.setValue(bounded(value));
}

} // namespace quorvane::host
