// Entries made of any bytes, written by the three exporters: the CSV file must
// give back every selected field byte for byte, the cdplayer.ini must either
// be written (and read back by the importer with every disc whose texts a
// profile line can hold) or refused with FEHLER 001, and the native export
// must load again unchanged. The first byte chooses the CSV fields; the rest
// is split into fields at 0x1F, six to an entry.
#include "core/NativeFile.h"
#include "exchange/CdPlayerIniExporter.h"
#include "exchange/CdPlayerIniImporter.h"
#include "exchange/CsvExporter.h"
#include "fuzz/Harness.h"
#include "resources/resource.h"
#include "support/ProfileText.h"
#include "support/WhiteSpace.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using kolvane::DiscCollection;
using kolvane::DiscEntry;
using kvfuzz::RecordingReporter;

DiscCollection EntriesOf(const unsigned char* data, size_t size) {
    DiscCollection entries;
    const std::vector<std::string> fields = kvfuzz::Fields(data, size, 0x1F);
    for (size_t i = 0; i < fields.size() && entries.size() < 64; i += DiscEntry::FieldCount) {
        DiscEntry entry;
        for (int f = 0; f < DiscEntry::FieldCount && i + f < fields.size(); ++f)
            entry.Field(f) = fields[i + f];
        entries.push_back(entry);
    }
    return entries;
}

// Reads the CSV back: quoted fields, inner quotes doubled, records ending in
// CR LF outside quotes.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records;
    size_t i = 0;
    while (i < text.size()) {
        std::vector<std::string> record;
        for (;;) {
            kvfuzz::FailIf(text[i] != '"');
            std::string field;
            for (++i;; ++i) {
                kvfuzz::FailIf(i >= text.size());
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field.push_back('"');
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.push_back(text[i]);
            }
            record.push_back(field);
            if (text.compare(i, 2, "\r\n") == 0) {
                i += 2;
                break;
            }
            kvfuzz::FailIf(i >= text.size() || text[i] != ',');
            ++i;
        }
        records.push_back(record);
    }
    return records;
}

void CheckCsv(kvfuzz::ScratchFolder& folder, const DiscCollection& entries, unsigned char bits) {
    const std::string path = folder.File("export.csv");
    RecordingReporter reporter;
    const auto fields = kolvane::ExportFieldSet::FromByte(bits);
    kvfuzz::FailIf(!kolvane::CsvExporter(reporter).Export(entries, path, fields) ||
                   !reporter.errors.empty());
    const std::string text = kvfuzz::FileContent(path);
    if (fields.IsEmpty())
        return;
    const auto records = ParseCsv(text);
    kvfuzz::FailIf(records.size() != entries.size());
    for (size_t e = 0; e < entries.size(); ++e) {
        std::vector<std::string> expected;
        for (int f = 0; f < DiscEntry::FieldCount; ++f) {
            if (fields.Has(f))
                expected.push_back(entries[e].Field(f));
        }
        kvfuzz::FailIf(records[e] != expected);
    }
    std::remove(path.c_str());
}

// A text a profile line holds unchanged: no line break, no white space at its
// ends (the import trims lines), nothing that stops a read early (a zero byte,
// Ctrl-Z, which ends a text file for the import).
bool FitsALine(const std::string& text) {
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\0' || c == '\x1A')
            return false;
    }
    return text.empty() || (static_cast<unsigned char>(text.front()) > ' ' &&
                            static_cast<unsigned char>(text.back()) > ' ');
}

// Track lines are cut at LF and trimmed; a CR left inside one cannot be
// written.
bool TracksFitLines(const std::string& tracks) {
    if (tracks.find_first_of(std::string_view("\0\x1A", 2)) != std::string::npos)
        return false;
    for (size_t start = 0; start <= tracks.size();) {
        size_t end = tracks.find('\n', start);
        if (end == std::string::npos)
            end = tracks.size();
        std::string_view line =
            zul::TrimWhiteSpace(std::string_view(tracks).substr(start, end - start));
        if (line.find('\r') != std::string_view::npos)
            return false;
        start = end + 1;
    }
    return true;
}

void CheckCdPlayerIni(kvfuzz::ScratchFolder& folder, const DiscCollection& entries) {
    const std::string path = folder.File("cdplayer.ini");
    std::remove(path.c_str());
    RecordingReporter reporter;
    kolvane::CdPlayerIniExporter(reporter).Export(entries, path);
    bool anyId = false;
    bool allFit = true;
    std::set<std::string> ids;
    bool idsDistinct = true;
    for (const DiscEntry& entry : entries) {
        if (entry.DiscId.empty())
            continue;
        anyId = true;
        std::string folded = entry.DiscId;
        for (char& c : folded)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        idsDistinct = idsDistinct && ids.insert(folded).second;
        allFit = allFit && FitsALine(entry.DiscId) && entry.DiscId.find(']') == std::string::npos &&
                 entry.DiscId.find('=') == std::string::npos && entry.DiscId[0] != '[' &&
                 entry.DiscId[0] != ';' && FitsALine(entry.Title) && FitsALine(entry.Artist) &&
                 TracksFitLines(entry.Tracks);
    }
    if (!anyId) {
        kvfuzz::FailIf(reporter.warnings != std::vector<int>{IDS_WARN_501} ||
                       !reporter.errors.empty());
        return;
    }
    kvfuzz::FailIf(!reporter.warnings.empty() ||
                   (!reporter.errors.empty() && reporter.errors != std::vector<int>{IDS_ERR_001}));
    if (!allFit || !idsDistinct)
        return;
    // Every write fits: the file is written and the importer finds each disc.
    kvfuzz::FailIf(!reporter.errors.empty());
    RecordingReporter importReporter;
    kolvane::CdPlayerIniImporter importer(importReporter);
    kvfuzz::FailIf(!importer.Import(path));
    size_t e = 0;
    for (const DiscEntry& entry : entries) {
        if (entry.DiscId.empty())
            continue;
        kvfuzz::FailIf(e >= importer.Entries().size());
        const DiscEntry& read = importer.Entries()[e++];
        kvfuzz::FailIf(read.DiscId != entry.DiscId || read.Title != entry.Title ||
                       read.Artist != entry.Artist);
    }
}

void CheckNative(kvfuzz::ScratchFolder& folder, const DiscCollection& entries) {
    const std::string path = folder.File("export.kvd");
    RecordingReporter reporter;
    DiscCollection loaded;
    kvfuzz::FailIf(kolvane::SaveNativeFile(path, entries, reporter) != 1 ||
                   kolvane::LoadNativeFile(path, loaded, reporter) != 1 ||
                   loaded.size() != entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        kvfuzz::FailIf(loaded[i].CompareAll(entries[i]) != 0);
    std::remove(path.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    if (size == 0)
        return 0;
    const DiscCollection entries = EntriesOf(data + 1, size - 1);
    CheckCsv(folder, entries, data[0]);
    CheckCdPlayerIni(folder, entries);
    CheckNative(folder, entries);
    return 0;
}
