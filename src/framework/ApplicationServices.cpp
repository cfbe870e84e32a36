#include "framework/ApplicationServices.h"

#include <cstdio>

#include "framework/Exceptions.h"

namespace skl {

namespace {

TApplicationServices installed;

void WriteToStandardError(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", ReportText(error.what()).c_str());
    } catch (...) {
        std::fprintf(stderr, "Unknown failure\n");
    }
}

}  // namespace

void InstallApplicationServices(TApplicationServices services) { installed = std::move(services); }

void ApplicationHandleException(std::exception_ptr failure) {
    if (installed.HandleException)
        installed.HandleException(failure);
    else
        WriteToStandardError(failure);
}

void ApplicationProcessMessages() {
    if (installed.ProcessMessages) installed.ProcessMessages();
}

bool ApplicationTerminated() { return installed.Terminated && installed.Terminated(); }

void ApplicationCancelFormModes() {
    if (installed.CancelFormModes) installed.CancelFormModes();
}

}  // namespace skl
