#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace zul {

// A new file written beside a target that takes the target's place only when
// it is complete: a failed write leaves the previous file as it was. The
// temporary file is removed unless it replaced the target, and a temporary
// file an earlier save of the same target left behind goes with the next one.
class ReplacementFile {
public:
    // The names the temporary file may take beside a target of this name
    // (without folder), in the order they are tried: never longer than the
    // target's name and never the name itself.
    static std::vector<std::string> TemporaryNames(const std::string& name);

    explicit ReplacementFile(std::string target) : target_(std::move(target)) {}
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file in the target's folder; false when the
    // target is read-only or not a file, or the folder cannot take a new file.
    bool Create();
    // The temporary file, open for binary writing after Create.
    std::FILE* Stream() const { return stream_; }
    const std::string& TemporaryPath() const { return temporary_; }
    // Flushes the file to the disc and closes it; false on any error.
    bool Finish();
    // Moves the file over the target once Finish succeeded; false otherwise or
    // when the target cannot be replaced.
    bool ReplaceTarget();

private:
    std::string target_;
    std::string temporary_;
    std::FILE* stream_ = nullptr;
    bool finished_ = false;
    bool replaced_ = false;
};

} // namespace zul
