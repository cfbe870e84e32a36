#include "framework/application/Application.h"

#include <exception>

#include "framework/application/InformationBox.h"
#include "framework/core/Exceptions.h"
#include "framework/core/FailureReport.h"
#include "framework/system/Foreground.h"
#include "framework/system/MessageBox.h"
#include "framework/system/MessageQueue.h"

namespace skl {

namespace {

TApplication* current = nullptr;
constexpr const char* SUnknownFailure = "Unknown failure";

// Notes a report's text as open while it lives; Opened() is false when a
// report of that text was open already.
class TOpenReport {
public:
    TOpenReport(std::mutex& lock, std::set<std::string>& open, const std::string& text)
        : lock_(lock), open_(open), text_(text) {
        std::lock_guard hold(lock_);
        opened_ = open_.insert(text_).second;
    }
    ~TOpenReport() {
        if (!opened_) return;
        std::lock_guard hold(lock_);
        open_.erase(text_);
    }
    TOpenReport(const TOpenReport&) = delete;
    TOpenReport& operator=(const TOpenReport&) = delete;
    bool Opened() const { return opened_; }

private:
    std::mutex& lock_;
    std::set<std::string>& open_;
    const std::string& text_;
    bool opened_;
};

}  // namespace

TApplication::TApplication() : previous_(current) {
    current = this;
    SetFailureReport([]() noexcept { Application().HandleException(); });
}

TApplication::~TApplication() {
    // Workers waiting for this loop are let go before the forms that own them end.
    EndSynchronize();
    while (!forms_.empty()) forms_.pop_back();
    if (comInitialized_) EndUserInterfaceThread();
    current = previous_;
}

void TApplication::Initialize() {
    if (!comInitialized_) comInitialized_ = BeginUserInterfaceThread();
}

TApplication& Application() {
    if (!current) {
        // Failures outside any application's life still get reported.
        static TApplication standby;
    }
    return *current;
}

void TApplication::AddForm(std::unique_ptr<TForm> form) {
    TForm& added = *form;
    forms_.push_back(std::move(form));
    if (mainForm_) return;
    // From here on the main window exists, hidden until Run shows it.
    added.HandleNeeded();
    mainForm_ = &added;
}

void TApplication::ShowInformation(const std::string& text) {
    TInformationBox(nullptr, text).ShowModal();
    if (!mainForm_) return;
    if (mainForm_->Visible()) BringToForeground(mainForm_->Handle());
    mainForm_->Activate();
}

void TApplication::Run() {
    if (!mainForm_) return;
    try {
        mainForm_->ShowActivated();
    } catch (...) {
        HandleException();
    }
    while (!Terminated() && HandleMessage()) {
    }
}

void TApplication::HandleException() noexcept {
    if (!std::current_exception()) return;
    try {
        try {
            throw;
        } catch (const EAbort&) {
        } catch (const Exception& failure) {
            ShowException(failure.Message());
        } catch (const std::exception& failure) {
            ShowException(failure.what());
        } catch (...) {
            ShowException(SUnknownFailure);
        }
    } catch (...) {
        // Nothing is left to report with.
    }
}

// A failure that repeats while nobody is at the screen (at every tick of
// the change timer) would otherwise pile up boxes.
void TApplication::ShowException(const std::string& message) {
    const std::string text = ReportText(message);
    const TOpenReport report(reportsLock_, openReports_, text);
    if (report.Opened()) ShowMessageBox(text, title_, TMessageBoxIcon::Error);
}

}  // namespace skl
