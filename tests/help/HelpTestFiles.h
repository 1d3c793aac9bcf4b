#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

namespace bellmora::test {

// The help file this build compiled.
std::filesystem::path BuiltHelpFile();

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

// The ways a help file is damaged in the tests, each made from the built help file.
enum class Damage {
    Empty,
    RandomBytes,
    TruncatedToHeader,
    TruncatedAtHalf,
    WithoutSystem,          // the #SYSTEM entry renamed away
    CrashesTheLibrary,      // LZX control data with zero windows per reset: chmlib divides by it
    DirectoryLoopsOnItself  // the listing page names itself as the next page
};
std::string Damaged(std::string bytes, Damage damage);

// A #SYSTEM file holding the given records (code, text); texts get their NUL.
std::string SystemFile(std::initializer_list<std::pair<int, std::string>> records);

// A fresh folder that is removed again, with everything in it, at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Makes a folder the working folder until the end of the test.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& folder);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace bellmora::test
