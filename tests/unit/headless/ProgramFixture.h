#pragma once
// The program on the headless backend: a program folder of its own with an
// Images tree, an empty registry and shell, and the main window made as the
// program entry makes it.
#include <filesystem>
#include <fstream>
#include <string>

#include "../Samples.h"
#include "../TempFolder.h"
#include "FreshFakes.h"
#include "framework/fake/Desktop.h"
#include "app/FormSkelvora1.h"
#include "framework/application/Application.h"
#include "framework/fake/Clock.h"
#include "framework/fake/Controls.h"
#include "framework/fake/ProgramFolder.h"
#include "framework/fake/RegistryKey.h"
#include "framework/fake/Shell.h"
#include "framework/fake/ShellNotify.h"

class ProgramFixture : public FreshFakes {
protected:
    ProgramFixture() {
        skl::fake::SetProgramFolder(folder.Path());
        application.SetTitle("Skelvora");
        skl::fake::SetIdleHandler([this] { AnswerInformationBox(); });
    }

    // The program folder with a trailing separator, as the program builds paths.
    std::string Folder() const { return folder.Path(); }

    void AddPicture(const std::string& relative, const std::string& sample = "colour-3x2.jpg") {
        const auto target = std::filesystem::path(folder.Path()) / "Images" / relative;
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(SamplePath(sample), target, std::filesystem::copy_options::overwrite_existing);
    }
    void AddFile(const std::string& relative, const std::string& bytes) {
        const auto target = std::filesystem::path(folder.Path()) / relative;
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << bytes;
    }
    void MakeImages() { std::filesystem::create_directories(std::filesystem::path(folder.Path()) / "Images"); }
    void WriteSettings(const std::string& text) { AddFile("Skelvora.ini", text); }
    std::string Settings() const { return folder.Read("Skelvora.ini"); }

    skl::TFormSkelvora1& Start() {
        form = &application.CreateForm<skl::TFormSkelvora1>();
        return *form;
    }
    // A left click on the notification-area icon, as the shell reports it.
    void ClickTrayIcon() {
        for (unsigned mouse : {skl::wm::LButtonDown, skl::wm::LButtonUp})
            skl::SendWindowMessage(form->TrayIcon1.WindowHandle(), skl::TrayNotifyMessage, 0, mouse);
    }
    void RightClickTrayIcon() {
        for (unsigned mouse : {skl::wm::RButtonDown, skl::wm::RButtonUp})
            skl::SendWindowMessage(form->TrayIcon1.WindowHandle(), skl::TrayNotifyMessage, 0, mouse);
    }
    std::string RegistryString(const std::string& key, const std::string& name) {
        auto value = skl::fake::GetRegistryValue(key, name);
        return value ? value->Data : "<none>";
    }
    std::vector<std::string> Reports() const {
        std::vector<std::string> texts;
        for (const auto& box : skl::fake::MessageBoxesShown()) texts.push_back(box.Text);
        return texts;
    }

    // The program's information boxes seen: whenever the message loop has
    // nothing else to do, an open box is read and closed with its OK button,
    // as a user does.
    struct TBoxSeen {
        std::string Caption, Text;
    };
    std::vector<TBoxSeen> boxesSeen;
    void AnswerInformationBox() {
        const auto windows = skl::fake::Windows();
        for (const auto& box : windows) {
            if (box.WindowClass != "TInformationBox" || !box.Visible) continue;
            TBoxSeen seen{box.Caption, ""};
            skl::TWindowHandle ok;
            for (const auto& child : windows) {
                if (child.Parent != box.Handle) continue;
                if (child.WindowClass == skl::StaticClass) seen.Text = child.Caption;
                if (child.WindowClass == skl::ButtonClass) ok = child.Handle;
            }
            boxesSeen.push_back(seen);
            skl::fake::Click(ok);
        }
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> texts;
        for (const auto& box : boxesSeen) texts.push_back(box.Text);
        return texts;
    }

    TempFolder folder;
    skl::TApplication application;
    skl::TFormSkelvora1* form = nullptr;
};
