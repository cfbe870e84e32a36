#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder() {
        static int serial = 0;
        root_ = std::filesystem::temp_directory_path() /
                ("skelvora-test-" + std::to_string(Process()) + "-" + std::to_string(++serial));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~TempFolder() {
        std::error_code ignored;
        for (auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }

    std::string Path(const std::string& name = "") const { return (root_ / name).string(); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(root_ / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(root_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void MakeReadOnly(const std::string& name) const {
        using std::filesystem::perms;
        std::filesystem::permissions(root_ / name, perms::owner_write | perms::group_write | perms::others_write,
                                     std::filesystem::perm_options::remove);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (auto& entry : std::filesystem::directory_iterator(root_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    static unsigned Process() {
        static const unsigned id = std::random_device{}();
        return id;
    }
    std::filesystem::path root_;
};
