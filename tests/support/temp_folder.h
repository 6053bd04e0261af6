#pragma once
// A fresh folder of the test's own, removed with everything in it at the end of the test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace expo::testing {

class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "expo-core-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a temporary folder";
        }
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    // Writes a file (creating its folders) and returns its path.
    std::string write(const std::string& relative, std::string_view bytes) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    // Writes a script (a stand-in for a program) that its owner may run, and returns its path.
    std::string writeExecutable(const std::string& relative, std::string_view script) const {
        const std::string file = write(relative, script);
        std::filesystem::permissions(file, std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
        return file;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace expo::testing
