#pragma once
// The application: the message loop of the user-interface thread with the
// forms it owns, the title, and the uniform failure report that every
// failure not handled elsewhere ends in.
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "framework/application/Form.h"
#include "framework/threads/MessageLoop.h"

namespace skl {

class TApplication : public TMessageLoop {
public:
    // The newest application is the one Application() returns while it
    // lives; from its making on, failures nobody handles come to its report.
    TApplication();
    // Frees the forms, last made first, then ends COM.
    ~TApplication() override;

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

    // Inside a catch block: the uniform failure report of the failure being
    // handled. EAbort is never reported.
    void HandleException() noexcept;
    // The uniform failure report: the message with ReportText's full stop,
    // the title as caption, an error icon and an OK button. While a report
    // of the same text is open, on any thread, none is added.
    void ShowException(const std::string& message);
    // The program's information box (TInformationBox), modal: messages go on
    // being handled while it is open. Closing it gives the focus back to the
    // main form, which is activated again.
    void ShowInformation(const std::string& text);

private:
    void AddForm(std::unique_ptr<TForm> form);

    std::string title_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool comInitialized_ = false;
    // The texts of the failure reports on the screen now.
    std::mutex reportsLock_;
    std::set<std::string> openReports_;
    TApplication* previous_;
};

// The application alive now.
TApplication& Application();

}  // namespace skl
