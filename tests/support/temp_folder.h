// A fresh folder under the system's temporary folder, removed with everything in it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kbd::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // The bytes of a file in the folder (or of any file, named by an absolute path); "" when
    // it cannot be read.
    std::string read(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;

    // Names of everything in the folder, sorted, to see that no stray file is left.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path path_;
};

} // namespace kbd::testing
