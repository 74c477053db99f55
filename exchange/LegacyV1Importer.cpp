#include "exchange/LegacyV1Importer.h"

#include "exchange/OemText.h"
#include "resources/resource.h"
#include "support/FileSystem.h"
#include "support/PathName.h"
#include "support/WhiteSpace.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace kolvane {

namespace {

constexpr size_t ArtistOffset = 0;
constexpr size_t TitleOffset = 40;
constexpr size_t NameLength = 40;
constexpr size_t YearOffset = 80;
constexpr size_t YearLength = 4;
constexpr size_t TracksOffset = 84;
constexpr size_t TrackLength = 38;
constexpr int TrackSlots = 38;
constexpr unsigned char SlotInUse = '1';

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The bytes up to the first zero byte (or all of them), without trailing
// white space, converted from DOS to ANSI.
std::string FieldText(const unsigned char* field, size_t length) {
    const void* zero = std::memchr(field, 0, length);
    if (zero)
        length = static_cast<size_t>(static_cast<const unsigned char*>(zero) - field);
    std::string text(reinterpret_cast<const char*>(field), length);
    text.resize(zul::TrimTrailingWhiteSpace(text).size());
    ConvertOemToAnsi(text);
    return text;
}

// The same path with the last character of the name part replaced; empty
// when the name part has no character to replace.
std::string CompanionName(const std::string& path, char last) {
    zul::PathName name(path);
    std::string base = name.GetBaseName();
    if (base.empty())
        return {};
    base.back() = last;
    name.SetBaseName(base);
    return name.Compose();
}

} // namespace

DiscEntry LegacyV1Importer::EntryFromRecord(const unsigned char* record) {
    DiscEntry entry;
    entry.Artist = FieldText(record + ArtistOffset, NameLength);
    entry.Title = FieldText(record + TitleOffset, NameLength);
    entry.Year = FieldText(record + YearOffset, YearLength);
    for (int slot = 0; slot < TrackSlots; ++slot) {
        std::string track = FieldText(record + TracksOffset + TrackLength * slot, TrackLength);
        if (track.empty())
            continue;
        if (!entry.Tracks.empty())
            entry.Tracks += "\r\n";
        entry.Tracks += track;
    }
    return entry;
}

bool LegacyV1Importer::Import(const std::string& path) {
    entries_.clear();

    std::string dataPath = CompanionName(path, '1');
    File data(dataPath.empty() ? nullptr : std::fopen(dataPath.c_str(), "rb"));
    if (!data) {
        Reporter().ReportError(IDS_ERR_004);
        return false;
    }
    std::string mapPath = CompanionName(path, '2');
    File map(std::fopen(mapPath.c_str(), "rb"));
    if (!map) {
        Reporter().ReportError(IDS_ERR_005);
        return false;
    }

    // Both lengths are checked before anything is read, so that no size
    // taken from the files decides how much is read or allocated.
    std::int64_t slots = zul::FileLength(map.get());
    std::int64_t dataLength = zul::FileLength(data.get());
    if (slots < 0 || slots > MaxSlots || dataLength != slots * RecordSize) {
        Reporter().ReportError(IDS_ERR_003);
        return false;
    }

    std::array<unsigned char, MaxSlots> inUse{};
    size_t count = static_cast<size_t>(slots);
    if (std::fread(inUse.data(), 1, count, map.get()) != count) {
        Reporter().ReportError(IDS_ERR_007);
        return false;
    }
    std::array<unsigned char, RecordSize> record{};
    for (size_t slot = 0; slot < count; ++slot) {
        if (std::fread(record.data(), 1, record.size(), data.get()) != record.size()) {
            entries_.clear();
            Reporter().ReportError(IDS_ERR_006);
            return false;
        }
        if (inUse[slot] == SlotInUse)
            entries_.push_back(EntryFromRecord(record.data()));
    }
    return true;
}

} // namespace kolvane
