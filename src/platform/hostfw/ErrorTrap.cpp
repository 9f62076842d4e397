#include "ErrorTrap.h"

#include "db/ConnectionString.h"

#include <QDebug>

#include <exception>

namespace hostfw {
namespace {

// What the report and the log show of the error: a connection string it quotes keeps its password hidden.
QString currentErrorText()
{
    try {
        throw;
    } catch (const std::exception& e) {
        return QString::fromStdString(db::maskPasswords(e.what()));
    } catch (...) {
        return QStringLiteral("unknown error");
    }
}

TrapAnswer answerOf(int number)
{
    switch (number) {
    case int(TrapAnswer::Retry): return TrapAnswer::Retry;
    case int(TrapAnswer::Continue): return TrapAnswer::Continue;
    default: return TrapAnswer::Leave;
    }
}

} // namespace

bool runUnderTrap(const TrapHandler& onError, std::span<const TrapStep> steps)
{
    for (std::size_t i = 0; i < steps.size();) {
        try {
            if (steps[i]() == StepFlow::Leave)
                return false;
            ++i;
        } catch (...) {
            switch (onError(currentErrorText())) {
            case TrapAnswer::Leave: return false;
            case TrapAnswer::Retry: break;
            case TrapAnswer::Continue: ++i; break;
            }
        }
    }
    return true;
}

TrapHandler reportTo(std::function<ErrorReporter*()> current, const QString& procedure)
{
    return [current = std::move(current), procedure](const QString& error) {
        ErrorReporter* reporter = current();
        if (!reporter) {
            qWarning().noquote() << procedure << ":" << error;
            return TrapAnswer::Leave;
        }
        return answerOf(reporter->reportError(procedure, error));
    };
}

TrapHandler ignoreErrors()
{
    return [](const QString&) { return TrapAnswer::Continue; };
}

TrapHandler leaveSilently()
{
    return [](const QString&) { return TrapAnswer::Leave; };
}

} // namespace hostfw
