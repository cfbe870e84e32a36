#pragma once
// The application: the forms it owns, the message loop of the user-interface
// thread, the title, and the uniform failure report that every failure not
// handled elsewhere ends in.
#include <atomic>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "framework/controls/Form.h"

namespace skl {

enum class TMessageBoxIcon { None, Error };

class TApplication {
public:
    // The newest application is the one Application() returns while it lives.
    TApplication();
    // Frees the forms, last made first, then ends COM.
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Prepares the framework and COM for this, the user-interface thread.
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // Makes a form that the application owns and runs its creation hook (a
    // failure there is reported; the form stays). The first form made becomes
    // the main form, and its window is made at once. A failure in the form's
    // constructor or in making that window goes to the caller.
    template <class T>
    T& CreateForm() {
        auto form = std::make_unique<T>(nullptr);
        T& made = *form;
        made.AfterConstruction();
        AddForm(std::move(form));
        return made;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and handles messages until the application is
    // terminated. Does nothing without a main form.
    void Run();
    // Ends the message loop once the messages posted before are handled.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every pending message, then returns.
    void ProcessMessages();
    // Handles one message, waiting for it when none is pending; false when
    // none can come any more. A failure in its handling is reported.
    bool HandleMessage();
    // Opens the way for worker threads' Synchronize calls to this message
    // loop (a hidden window that their calls are posted to). Call on the
    // user-interface thread before a worker synchronises; once is enough.
    void EnableSynchronize();

    // Inside a catch block: the uniform failure report of the failure being
    // handled. EAbort is never reported.
    void HandleException() noexcept;
    // The uniform failure report: the message with ReportText's full stop,
    // the title as caption, an error icon and an OK button. While a report
    // of the same text is open, on any thread, none is added.
    void ShowException(const std::string& message);
    // A modal system message box with an OK button.
    void ShowMessageBox(const std::string& text, const std::string& caption, TMessageBoxIcon icon);
    // The program's information box (TInformationBox), modal: messages go on
    // being handled while it is open. Closing it gives the focus back to the
    // main form, which is activated again.
    void ShowInformation(const std::string& text);

private:
    void AddForm(std::unique_ptr<TForm> form);

    // The backend's part.
    // Handles one pending message; false when none was pending.
    bool ProcessMessage();
    // Waits for the next message; false when none can come any more.
    bool Idle();
    void PostQuit();
    void Finalize() noexcept;

    std::string title_;
    std::unique_ptr<TMessageWindow> syncWindow_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    // Read by worker threads (the tray icon's animation) as well.
    std::atomic<bool> terminated_{false};
    bool comInitialized_ = false;
    // The texts of the failure reports on the screen now.
    std::mutex reportsLock_;
    std::set<std::string> openReports_;
    TApplication* previous_;
};

// The application alive now.
TApplication& Application();

}  // namespace skl
