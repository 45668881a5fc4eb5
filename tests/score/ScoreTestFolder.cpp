#include "ScoreTestFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <vector>

ScoreTestFolder::ScoreTestFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "score-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data()))
        throw std::runtime_error("cannot make a test folder");
    root_ = name.data();
}

ScoreTestFolder::~ScoreTestFolder()
{
    std::error_code ignored;
    // A test may have made the folder read-only.
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
}

std::string ScoreTestFolder::listing() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names)
        joined += name + ";";
    return joined;
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}
