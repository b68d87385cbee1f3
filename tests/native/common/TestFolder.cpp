#include "tests/native/common/TestFolder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

TestFolder::TestFolder(const std::string& prefix)
    : path_(fs::temp_directory_path() / (prefix + std::to_string(std::random_device{}()))) {
    fs::create_directories(path_);
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void TestFolder::Write(const std::string& name, const std::string& bytes) const {
    fs::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string TestFolder::Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::map<std::string, std::string> TestFolder::Snapshot() const {
    std::map<std::string, std::string> all;
    for (const auto& item : fs::recursive_directory_iterator(path_)) {
        const std::string name = fs::relative(item.path(), path_).generic_string();
        all[name] = item.is_directory() ? "<folder>" : Read(name);
    }
    return all;
}
