#include "framework/core/FailureReport.h"

#include <atomic>

namespace skl {

namespace {
// Read by worker threads as well.
std::atomic<TFailureReport> installed{nullptr};
}  // namespace

void SetFailureReport(TFailureReport report) { installed = report; }

void ReportFailure() noexcept {
    if (const TFailureReport report = installed) report();
}

}  // namespace skl
