#pragma once
// A fresh folder for one test, removed with everything in it when the test ends, so no test
// ever meets a real score file or one left by another test. Names go in and come out as the
// game's paths are: the system's bytes on POSIX, UTF-8 on Windows.

#include <filesystem>
#include <string>

class ScoreTestFolder {
public:
    ScoreTestFolder();
    ~ScoreTestFolder();

    ScoreTestFolder(const ScoreTestFolder&) = delete;
    ScoreTestFolder& operator=(const ScoreTestFolder&) = delete;

    std::string path(const std::string& name) const;
    const std::filesystem::path& root() const { return root_; }

    // Every entry of the folder, by name.
    std::string listing() const;

private:
    std::filesystem::path root_;
};

std::string readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::string& bytes);
