#include "exchange/M3uTrackList.h"

namespace kolvane {

std::string M3uTrackList::ItemText(int index) const {
    const M3uTrack& track = Track(index);
    if (titlesOnly_ || track.Artist.empty())
        return track.Title;
    return track.Artist + " - " + track.Title;
}

} // namespace kolvane
