#pragma once
// Replaces a file as one step: the new bytes go to a fresh file beside it, are flushed to the
// disk, and only then renamed over the old one. A crash or power loss at any moment leaves
// either the old file or the new one, never a part of either. POSIX calls, since standard C++
// knows neither fsync nor an atomic rename over an existing file.

#include <string>
#include <string_view>

namespace score {

class ReplacingFile {
public:
    // Creates the temporary file beside `target`; isOpen() tells whether that worked.
    explicit ReplacingFile(std::string target);
    // Without a commit the temporary file is removed and the target stays as it was.
    ~ReplacingFile();

    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    const std::string& temporaryPath() const { return temporaryPath_; }

    bool write(std::string_view bytes);

    // Flushes, closes and renames over the target. False when any step failed; the target is
    // then unchanged.
    bool commit();

private:
    void discard();

    std::string target_;
    std::string temporaryPath_;
    int descriptor_ = -1;
    bool failed_ = false;
};

} // namespace score
