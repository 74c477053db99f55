#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace zul {

// A new file written beside a target that takes the target's place only when
// it is complete, in one rename: a failed write leaves the previous file as it
// was, and the target's name never stands empty. The temporary file is always
// a new one; a file that already bears one of its names (the user's own, or
// what a save that was ended left behind) is never touched, the next name is
// taken instead. The temporary file is removed unless it replaced the target.
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

    // Creates the temporary file in the target's folder under the first of
    // its names that is free; false when the target is read-only or not a
    // file, or the folder cannot take a new file under any of the names.
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
