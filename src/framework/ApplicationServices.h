#pragma once
// What components ask of the application object: its exception handling (the
// uniform failure report), its processing of pending messages, its terminated
// flag, and a cancel-mode request to the active form (or else the main form).
// The application installs them at start; until then a failure handed over is
// written to the standard error stream and the rest do nothing.
#include <exception>
#include <functional>

namespace skl {

struct TApplicationServices {
    std::function<void(std::exception_ptr failure)> HandleException;
    std::function<void()> ProcessMessages;
    // Read from worker threads too: the function must be safe to call there.
    std::function<bool()> Terminated;
    std::function<void()> CancelFormModes;
};

// Replaces the installed services; an empty slot keeps the fallback.
void InstallApplicationServices(TApplicationServices services);

void ApplicationHandleException(std::exception_ptr failure);
void ApplicationProcessMessages();
bool ApplicationTerminated();
void ApplicationCancelFormModes();

}  // namespace skl
