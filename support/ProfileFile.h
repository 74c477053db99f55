#pragma once

#include "support/ProfileText.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zul {

// Typed values in a profile ("INI") file, read and written the way Windows
// treats such files, through our own line-preserving edits (ProfileText)
// instead of the system's profile calls, which may reformat the whole file.
// No file is held open between calls: every read loads the file, every write
// loads, changes and saves it, unless writes are gathered in an update.
//
// Text formats: a flag is "1" or "0"; an int is decimal with "-" for
// negatives; an int list is the numbers joined by ", "; bytes are two
// upper-case hexadecimal digits each.
class ProfileFile {
public:
    explicit ProfileFile(int bufferSize);
    ProfileFile(const std::string& fileName, int bufferSize);

    // The name is kept as a full path, so that a relative name means the
    // current folder at the time it is set (never the system folder).
    void SetFileName(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }

    // Read values are cut to the buffer size minus one character, as a
    // system read into a buffer of that size would be.
    void SetBufferSize(int size) { bufferSize_ = size; }
    int BufferSize() const { return bufferSize_; }

    // Reads never fail: a missing file, section or key gives the default.
    // The text is trimmed and loses one pair of matching outer quotes; its
    // length is the number of characters read.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultText) const;
    // Empty gives the default; otherwise the number at the start, non-zero
    // meaning true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // Empty gives the default; otherwise the number at the start, 0 when
    // there is none there.
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;
    // Fills target with as many numbers as it has room for, read from the
    // value (or from the defaults written out); when the text holds fewer,
    // target gets the defaults, all of them. defaults has as many entries as
    // target and may be the same memory.
    void ReadIntList(std::string_view section, std::string_view key, std::span<const int> defaults,
                     std::span<int> target) const;
    // Decodes the value (or the defaults written out) into target when it has
    // exactly two digits per byte of target (an odd last digit aside); the
    // decoding stops at the first pair that is not hexadecimal, and the rest
    // of target keeps its bytes. Otherwise target gets the defaults.
    void ReadBytes(std::string_view section, std::string_view key,
                   std::span<const unsigned char> defaults, std::span<unsigned char> target) const;

    // Writes report success; a missing file is created, a missing section
    // appended, a missing key added as the last key line of its section.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);
    bool WriteInt(std::string_view section, std::string_view key, int value);
    bool WriteIntList(std::string_view section, std::string_view key, std::span<const int> values);
    bool WriteBytes(std::string_view section, std::string_view key,
                    std::span<const unsigned char> bytes);

    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

    // Gathers the writes up to EndUpdate in memory and saves the file once,
    // for callers that write many keys in a row: saving per key would make
    // an export of many discs take minutes. Reads in between see the
    // gathered writes. Begin fails when the file exists but cannot be read,
    // End when it cannot be saved (the file then stays as it was).
    bool BeginUpdate();
    bool EndUpdate();

private:
    template <typename Change> bool Edit(Change change);

    std::string fileName_;
    int bufferSize_;
    std::optional<ProfileText> update_;
    std::string loaded_;
};

} // namespace zul
