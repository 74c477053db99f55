#include "support/ReplacementFile.h"

#include "support/FileSystem.h"
#include "support/PathName.h"

#include <cerrno>
#include <chrono>
#include <cstdint>

namespace zul {

namespace {

std::string UniqueSuffix(unsigned attempt) {
    static const char digits[] = "0123456789ABCDEF";
    auto stamp = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::uint32_t value = static_cast<std::uint32_t>(stamp ^ (stamp >> 32)) + attempt * 2654435761u;
    std::string suffix;
    for (int shift = 28; shift >= 0; shift -= 4)
        suffix += digits[(value >> shift) & 0x0F];
    return suffix;
}

} // namespace

ReplacementFile::~ReplacementFile() {
    if (stream_ != nullptr)
        std::fclose(stream_);
    if (!temporary_.empty() && !replaced_)
        std::remove(temporary_.c_str());
}

bool ReplacementFile::Create() {
    // Same folder as the target, so that the final rename never crosses a
    // device; a short name, so that it fits wherever the target fits.
    PathName target(target_);
    const std::string folder = target.GetDrive() + target.GetFolder();
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = folder + "~kv" + UniqueSuffix(attempt) + ".tmp";
        stream_ = CreateNewFile(candidate);
        if (stream_ != nullptr) {
            temporary_ = candidate;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool ReplacementFile::Finish() {
    if (stream_ == nullptr)
        return false;
    bool committed = CommitFile(stream_);
    bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    finished_ = committed && closed;
    return finished_;
}

bool ReplacementFile::ReplaceTarget() {
    if (!finished_ || replaced_)
        return false;
    replaced_ = ReplaceFileWith(temporary_, target_);
    return replaced_;
}

} // namespace zul
