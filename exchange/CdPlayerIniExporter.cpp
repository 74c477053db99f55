#include "exchange/CdPlayerIniExporter.h"

#include "resources/resource.h"
#include "support/TextHelpers.h"
#include "support/WhiteSpace.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kolvane {

CdPlayerIniExporter::CdPlayerIniExporter(zul::MessageReporter& reporter)
    : reporter_(reporter), profile_(1024) {}

void CdPlayerIniExporter::Export(const DiscCollection& entries, const std::string& path,
                                 zul::Progress* progress) {
    entries_ = entries;
    std::erase_if(entries_, [](const DiscEntry& entry) { return entry.DiscId.empty(); });
    if (entries_.empty()) {
        reporter_.ReportWarning(IDS_WARN_501);
        return;
    }
    profile_.SetFileName(path);
    // All keys go into the file in one save; a refused write still leaves
    // the file with everything written before it.
    if (!profile_.BeginUpdate()) {
        reporter_.ReportError(IDS_ERR_001);
        return;
    }
    bool written = true;
    std::uint64_t done = 0;
    for (const DiscEntry& entry : entries_) {
        if (!WriteEntry(entry)) {
            written = false;
            break;
        }
        if (progress != nullptr)
            progress->Advance(++done, entries_.size());
    }
    bool saved = profile_.EndUpdate();
    if (!written || !saved)
        reporter_.ReportError(IDS_ERR_001);
}

bool CdPlayerIniExporter::WriteEntry(const DiscEntry& entry) {
    const std::string& section = entry.DiscId;
    if (!profile_.WriteInt(section, "EntryType", 1) ||
        !profile_.WriteString(section, "Title", entry.Title) ||
        !profile_.WriteString(section, "Artist", entry.Artist) ||
        !profile_.WriteInt(section, "NumTracks", 0))
        return false;

    // Lines are cut at LF alone, so the CR of a CR LF goes with the trimming.
    std::vector<std::string> lines;
    zul::SplitText(entry.Tracks, '\n', lines);
    int written = 0;
    std::string order;
    for (const std::string& line : lines) {
        std::string_view track = zul::TrimWhiteSpace(line);
        if (track.empty())
            continue;
        if (!profile_.WriteString(section, std::to_string(written), track))
            return false;
        if (written > 0)
            order += ' ';
        order += std::to_string(written);
        ++written;
    }

    return profile_.WriteInt(section, "NumTracks", written) &&
           profile_.WriteString(section, "Order", order) &&
           profile_.WriteInt(section, "NumPlay", written);
}

} // namespace kolvane
