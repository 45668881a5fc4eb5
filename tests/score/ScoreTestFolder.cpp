#include "ScoreTestFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <vector>

#ifdef _WIN32
#include <chrono>
#include <random>
#endif

namespace {

#ifdef _WIN32
std::filesystem::path fromGamePath(const std::string& path) { return std::filesystem::u8path(path); }
std::string toGamePath(const std::filesystem::path& path) { return path.u8string(); }
#else
std::filesystem::path fromGamePath(const std::string& path) { return path; }
std::string toGamePath(const std::filesystem::path& path) { return path.string(); }
#endif

} // namespace

ScoreTestFolder::ScoreTestFolder()
{
#ifdef _WIN32
    // No mkdtemp: a random name, which creating the folder proves no one else has.
    std::mt19937 pick(std::random_device{}() ^ unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
        const auto candidate = std::filesystem::temp_directory_path() / ("score-test-" + std::to_string(pick()));
        if (std::filesystem::create_directory(candidate))
            root_ = candidate;
    }
    if (root_.empty())
        throw std::runtime_error("cannot make a test folder");
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "score-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data()))
        throw std::runtime_error("cannot make a test folder");
    root_ = name.data();
#endif
}

ScoreTestFolder::~ScoreTestFolder()
{
    std::error_code ignored;
    // A test may have made the folder read-only.
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
#ifdef _WIN32
    // Nor is a file marked read-only deleted there.
    for (std::filesystem::recursive_directory_iterator entry(root_, ignored), end; !ignored && entry != end; entry.increment(ignored))
        std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add, ignored);
#endif
    std::filesystem::remove_all(root_, ignored);
}

std::string ScoreTestFolder::path(const std::string& name) const { return toGamePath(root_ / fromGamePath(name)); }

std::string ScoreTestFolder::listing() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root_))
        names.push_back(toGamePath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names)
        joined += name + ";";
    return joined;
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(fromGamePath(path), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(fromGamePath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}
