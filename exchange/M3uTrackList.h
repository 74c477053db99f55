#pragma once

#include <string>
#include <vector>

namespace kolvane {

// One playlist item: the display text of its "#EXTINF:" line cut at the
// first " - ", byte for byte.
struct M3uTrack {
    std::string Artist;
    std::string Title;
};

// The items of a playlist in file order and how their texts are shown:
// "artist - title" (the title alone when there is no artist), or with
// titlesOnly the title alone.
class M3uTrackList {
public:
    void Clear() { tracks_.clear(); }
    void Add(M3uTrack track) { tracks_.push_back(std::move(track)); }

    int Count() const { return static_cast<int>(tracks_.size()); }
    const M3uTrack& Track(int index) const { return tracks_.at(static_cast<size_t>(index)); }
    std::string ItemText(int index) const;

    bool TitlesOnly() const { return titlesOnly_; }
    void SetTitlesOnly(bool titlesOnly) { titlesOnly_ = titlesOnly; }

private:
    std::vector<M3uTrack> tracks_;
    bool titlesOnly_ = false;
};

} // namespace kolvane
