#pragma once
// A file that one copy of the game claims for as long as it likes, such as the game it is
// playing: other copies see the claim and leave the file alone, and nobody waits for it. The
// claim is a lock on a small companion file "<name>.lock" beside it, made when first needed
// and never deleted (deleting it while one copy holds it would let a second claim a new one).
// It ends with the object, or with the process however that ends.

#include <cstdint>
#include <string>

namespace files {

class FileClaim {
public:
    // Tries once, without waiting.
    explicit FileClaim(const std::string& path);
    ~FileClaim();
    FileClaim(const FileClaim&) = delete;
    FileClaim& operator=(const FileClaim&) = delete;

    // False when another copy holds the claim, or no lock file can be made there.
    bool held() const { return handle_ != -1; }

private:
    std::intptr_t handle_ = -1;
};

} // namespace files
