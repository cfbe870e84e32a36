#pragma once
// Where a failure that no caller handles ends: the report that the
// application installs (a message box); until one is installed, nowhere.
// Rooms below the application hand their failures here.
namespace skl {

using TFailureReport = void (*)() noexcept;

// Takes the report for every failure from now on.
void SetFailureReport(TFailureReport report);
// Inside a catch block: reports the failure being handled.
void ReportFailure() noexcept;

}  // namespace skl
