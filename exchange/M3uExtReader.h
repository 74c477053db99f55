#pragma once

#include "exchange/M3uTrackList.h"
#include "support/MessageReporter.h"
#include "support/Progress.h"

#include <string>
#include <string_view>

namespace kolvane {

// Reads the track names of an extended M3U playlist: after the "#EXTM3U"
// header, every "#EXTINF:<time>,<text>" line gives one item, its text split
// into artist and title at the first " - ". File names and every other line
// are passed over.
class M3uExtReader {
public:
    explicit M3uExtReader(zul::MessageReporter& reporter) : reporter_(reporter) {}

    // Empties the list and fills it; true when the file was read and gave at
    // least one item. Failures have been reported, except a read error after
    // the header, which ends the read silently.
    bool Read(const std::string& path, M3uTrackList& list);
    // Told how far the file has been read.
    void SetProgress(zul::Progress* progress) { progress_ = progress; }

private:
    bool TakeInfoLine(std::string_view line, M3uTrackList& list);

    zul::MessageReporter& reporter_;
    zul::Progress* progress_ = nullptr;
};

} // namespace kolvane
