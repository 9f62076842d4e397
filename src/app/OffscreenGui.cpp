#include "OffscreenGui.h"

#include <QApplication>
#include <QLoggingCategory>

int runWithOffscreenGui(const std::function<int()>& body)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quorvane";
    char* argv[] = {name, nullptr};
    // A widget application: the chart's texts are graphics items of the widgets' scene.
    QApplication application(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("quorvane.report.warning=false"));
    return body();
}
