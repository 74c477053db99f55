#include "support/ReplacementFile.h"

#include "support/FileSystem.h"
#include "support/PathName.h"

#include <cerrno>

namespace zul {

std::vector<std::string> ReplacementFile::TemporaryNames(const std::string& name) {
    // As long as the target's own name, so that the temporary file fits
    // wherever the target fits, and recognisably the target's: its last
    // character becomes "~" ("Sammlung.kvd" gives "Sammlung.kv~"). While
    // that name is taken, its last two become "~1" to "~9".
    std::vector<std::string> names;
    auto add = [&](std::string candidate) {
        if (candidate != name)
            names.push_back(std::move(candidate));
    };
    const std::size_t length = name.size();
    if (length >= 1)
        add(name.substr(0, length - 1) + "~");
    for (char digit = '1'; length >= 2 && digit <= '9'; ++digit)
        add(name.substr(0, length - 2) + "~" + digit);
    return names;
}

ReplacementFile::~ReplacementFile() {
    if (stream_ != nullptr)
        std::fclose(stream_);
    if (!temporary_.empty() && !replaced_)
        RemoveFile(temporary_);
}

bool ReplacementFile::Create() {
    // A read-only target or a folder is refused before anything is written:
    // a rename would replace the one and fail on the other only at the end.
    const PathKind kind = KindOfPath(target_);
    if (kind == PathKind::ReadOnlyFile || kind == PathKind::Other)
        return false;

    // Same folder as the target, so that the final rename never crosses a
    // device.
    const PathName target(target_);
    const std::string folder = target.GetDrive() + target.GetFolder();
    const std::vector<std::string> names = TemporaryNames(target.GetBaseName() + target.GetExtension());
    // Only a new file: one that has a name of ours already may be the only
    // copy of a collection (a save ended before its rename) or a file of the
    // user's, and stays as it is.
    for (const std::string& name : names) {
        const std::string candidate = folder + name;
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
