#pragma once
// The error trap under which the window's procedures run. A procedure is a sequence of steps (its
// statements); when a step throws, a handler decides how to go on, as the user answers the error
// report: leave the procedure, run the failing step again, or continue with the next step.
//
//   runUnderTrap(reportTo(reporter, "Form_Activate"), [&] { ... }, [&] { ... });
//
// Property procedures and the few routines that must never bother the user run under
// ignoreErrors() (every failing step is skipped) or leaveSilently() (the first failure ends them).

#include <QString>

#include <functional>
#include <span>
#include <type_traits>

namespace hostfw {

// The answers of the error report, with the numbers the cost-accounting utilities give them.
enum class TrapAnswer : int { Leave = 3, Retry = 4, Continue = 5 };

// What a step tells the procedure when it ends normally: go on, or leave here (an early return).
enum class StepFlow { Next, Leave };

using TrapStep = std::function<StepFlow()>;
using TrapHandler = std::function<TrapAnswer(const QString& error)>;

// Reports an error of a named procedure and answers 3, 4 or 5 (any other number leaves).
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual int reportError(const QString& procedure, const QString& error) = 0;
};

// Runs the steps in order under the handler. Answers true when the procedure ran to its end
// (continuing past failed steps included), false when it was left early.
bool runUnderTrap(const TrapHandler& onError, std::span<const TrapStep> steps);

template <class Step>
TrapStep asTrapStep(Step&& step)
{
    if constexpr (std::is_void_v<std::invoke_result_t<Step&>>)
        return [s = std::forward<Step>(step)]() mutable { s(); return StepFlow::Next; };
    else
        return TrapStep(std::forward<Step>(step));
}

template <class... Steps>
bool runUnderTrap(const TrapHandler& onError, Steps&&... steps)
{
    const TrapStep sequence[] = {asTrapStep(std::forward<Steps>(steps))...};
    return runUnderTrap(onError, std::span<const TrapStep>(sequence));
}

// Reports to whatever reporter `current` yields at the time of the error (the window makes its
// reporter in the middle of its first activation); with none yet the procedure is left and the
// error goes to the debug output.
TrapHandler reportTo(std::function<ErrorReporter*()> current, const QString& procedure);
TrapHandler ignoreErrors();
TrapHandler leaveSilently();

} // namespace hostfw
