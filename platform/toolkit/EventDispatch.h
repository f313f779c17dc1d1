#pragma once
// Every event reaches its handler through Dispatch, the one place that catches a run-time
// error: it shows the run-time error report and ends the program.
#include <functional>

namespace tk {

class RuntimeError;

// Runs `handler`; a RuntimeError leaving it is reported and ends the program. Window thread.
void Dispatch(const std::function<void()>& handler);

// Shows the standard run-time error report for `error`, titled with the application title.
// Window thread.
void ShowErrorReport(const RuntimeError& error);

}  // namespace tk
