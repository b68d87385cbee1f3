#pragma once
// A private temporary folder for tests of the command-line tools, and a snapshot of everything
// in it, so a test can tell that a refused command changed no file.

#include <filesystem>
#include <map>
#include <string>

class TestFolder {
public:
    explicit TestFolder(const std::string& prefix);
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

    // Every file and folder under the folder: relative path to content ("<folder>" for
    // folders).
    std::map<std::string, std::string> Snapshot() const;

private:
    std::filesystem::path path_;
};
