#include <gtest/gtest.h>

#include <stdexcept>

#include "FreshFakes.h"
#include "framework/fake/Desktop.h"
#include "framework/application/Application.h"
#include "framework/core/Exceptions.h"

using namespace skl;
using fake::MessageBoxesShown;
using fake::TMessageBoxShown;

namespace {

class FailureReport : public FreshFakes {
protected:
    FailureReport() { application.SetTitle("Skelvora"); }

    template <class Failure>
    std::vector<TMessageBoxShown> Report(const Failure& failure) {
        try {
            throw failure;
        } catch (...) {
            application.HandleException();
        }
        return MessageBoxesShown();
    }

    std::string ReportedText(const std::string& message) {
        auto shown = Report(Exception(message));
        return shown.empty() ? "(nothing shown)" : shown.back().Text;
    }

    TApplication application;
};

}  // namespace

TEST_F(FailureReport, ShowsTheMessageAndAFullStopUnderTheTitleWithAnErrorIcon) {
    EXPECT_EQ(Report(EFOpenError("Cannot open file C:\\Images\\a.jpg")),
              (std::vector<TMessageBoxShown>{
                  {"Cannot open file C:\\Images\\a.jpg.", "Skelvora", TMessageBoxIcon::Error}}));
}

TEST_F(FailureReport, AddsAFullStopOnlyAfterACharacterThatSortsAfterIt) {
    EXPECT_EQ(ReportedText("JPEG error #52"), "JPEG error #52.");
    EXPECT_EQ(ReportedText("Stream read error"), "Stream read error.");
    EXPECT_EQ(ReportedText("folder /"), "folder /.");
    EXPECT_EQ(ReportedText("Помилка"), "Помилка.");
    EXPECT_EQ(ReportedText("Done."), "Done.");
    EXPECT_EQ(ReportedText("Stop!"), "Stop!");
    EXPECT_EQ(ReportedText("a dash -"), "a dash -");
    EXPECT_EQ(ReportedText("blank "), "blank ");
    EXPECT_EQ(ReportedText(""), "");
}

TEST_F(FailureReport, TheCaptionIsTheApplicationTitleOfTheMoment) {
    application.SetTitle("Other");
    EXPECT_EQ(Report(EWriteError("Stream write error")).back().Caption, "Other");
}

TEST_F(FailureReport, AnAbortIsNeverReported) {
    EXPECT_TRUE(Report(EAbort("")).empty());
    EXPECT_TRUE(Report(EAbort("Operation aborted")).empty());
}

TEST_F(FailureReport, OtherFailuresAreReportedWithTheirText) {
    EXPECT_EQ(Report(std::runtime_error("disk full")).back().Text, "disk full.");
    EXPECT_EQ(Report(42).back().Text, "Unknown failure.");
}

TEST_F(FailureReport, OutsideAFailureThereIsNothingToReport) {
    application.HandleException();
    EXPECT_TRUE(MessageBoxesShown().empty());
}

TEST_F(FailureReport, ReachesTheNewestApplication) {
    {
        TApplication inner;
        inner.SetTitle("Inner");
        EXPECT_EQ(&Application(), &inner);
    }
    EXPECT_EQ(&Application(), &application);
}

TEST_F(FailureReport, WhileAReportIsOpenTheSameFailureAddsNoBoxAndAnotherStillShows) {
    const EWriteError unwritable("Unable to write to C:\\Skelvora\\Skelvora.ini");
    const EInvalidGraphic broken("C:\\Skelvora\\Images\\bad.jpg: JPEG error #41");
    int opened = 0;
    fake::SetWhileMessageBoxOpen([&](const TMessageBoxShown&) {
        if (opened++ > 0) return;
        Report(unwritable);
        Report(broken);
    });
    Report(unwritable);
    Report(unwritable);
    std::vector<std::string> texts;
    for (const auto& box : MessageBoxesShown()) texts.push_back(box.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Unable to write to C:\\Skelvora\\Skelvora.ini.",
                                               "C:\\Skelvora\\Images\\bad.jpg: JPEG error #41.",
                                               "Unable to write to C:\\Skelvora\\Skelvora.ini."}))
        << "once its box is closed, the failure is reported again";
}
