#include "support/ProfileFile.h"

#include "support/PathName.h"
#include "support/ProfileText.h"
#include "support/ReplacementFile.h"
#include "support/TextHelpers.h"

#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

namespace zul {

namespace {

enum class LoadResult { Loaded, Missing, Failed };

LoadResult LoadFile(const std::string& path, std::string& content) {
    content.clear();
    if (path.empty())
        return LoadResult::Failed;
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Failed;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content.append(chunk, got);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? LoadResult::Failed : LoadResult::Loaded;
}

// The new text replaces the file only once it is written completely: a full
// disc must not leave a profile file of another program cut short.
bool SaveFile(const std::string& path, const std::string& content) {
    ReplacementFile file(path);
    if (!file.Create())
        return false;
    bool written = std::fwrite(content.data(), 1, content.size(), file.Stream()) == content.size();
    bool finished = file.Finish();
    return written && finished && file.ReplaceTarget();
}


} // namespace

ProfileFile::ProfileFile(int bufferSize) : bufferSize_(bufferSize) {}

ProfileFile::ProfileFile(const std::string& fileName, int bufferSize) : bufferSize_(bufferSize) {
    SetFileName(fileName);
}

void ProfileFile::SetFileName(const std::string& fileName) {
    fileName_ = fileName.empty() ? std::string() : PathName(fileName).FullPath();
}

bool ProfileFile::BeginUpdate() {
    std::string content;
    if (update_ || LoadFile(fileName_, content) == LoadResult::Failed)
        return false;
    update_.emplace(content);
    loaded_ = std::move(content);
    return true;
}

bool ProfileFile::EndUpdate() {
    if (!update_)
        return false;
    std::string content = update_->Content();
    update_.reset();
    // An update that changes nothing leaves the file (and its time stamp) alone.
    bool unchanged = content == loaded_;
    loaded_.clear();
    return unchanged || SaveFile(fileName_, content);
}

template <typename Change> bool ProfileFile::Edit(Change change) {
    if (update_)
        return change(*update_);
    if (!BeginUpdate())
        return false;
    bool changed = change(*update_);
    bool saved = EndUpdate();
    return changed && saved;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultText) const {
    std::string value;
    bool found = false;
    if (update_) {
        found = update_->Find(section, key, value);
    } else {
        std::string content;
        if (LoadFile(fileName_, content) == LoadResult::Loaded)
            found = ProfileText(content).Find(section, key, value);
    }
    if (!found)
        value.assign(defaultText);
    size_t limit = bufferSize_ > 1 ? static_cast<size_t>(bufferSize_ - 1) : 0;
    if (value.size() > limit)
        value.resize(limit);
    return value;
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
    std::string text = ReadString(section, key, "");
    return text.empty() ? defaultValue : LeadingNumber(text) != 0;
}

int ProfileFile::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
    std::string text = ReadString(section, key, "");
    return text.empty() ? defaultValue : LeadingNumber(text);
}

void ProfileFile::ReadIntList(std::string_view section, std::string_view key,
                              std::span<const int> defaults, std::span<int> target) const {
    std::string text = ReadString(section, key, IntListToText(defaults));
    std::vector<int> values(target.size());
    if (TextToIntList(values, text) < static_cast<int>(target.size()))
        values.assign(defaults.begin(), defaults.end());
    values.resize(target.size());
    std::copy(values.begin(), values.end(), target.begin());
}

void ProfileFile::ReadBytes(std::string_view section, std::string_view key,
                            std::span<const unsigned char> defaults,
                            std::span<unsigned char> target) const {
    std::string text = ReadString(section, key, BytesToHex(defaults));
    if (text.size() / 2 == target.size()) {
        HexToBytes(target, text);
        return;
    }
    if (defaults.data() != target.data())
        std::copy_n(defaults.begin(), std::min(defaults.size(), target.size()), target.begin());
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    return Edit([&](ProfileText& text) { return text.SetValue(section, key, value); });
}

bool ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool ProfileFile::WriteInt(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool ProfileFile::WriteIntList(std::string_view section, std::string_view key,
                               std::span<const int> values) {
    return WriteString(section, key, IntListToText(values));
}

bool ProfileFile::WriteBytes(std::string_view section, std::string_view key,
                             std::span<const unsigned char> bytes) {
    return WriteString(section, key, BytesToHex(bytes));
}

bool ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
    return Edit([&](ProfileText& text) {
        text.DeleteKey(section, key);
        return true;
    });
}

bool ProfileFile::DeleteSection(std::string_view section) {
    return Edit([&](ProfileText& text) {
        text.DeleteSection(section);
        return true;
    });
}

} // namespace zul
