#pragma once

#include "exchange/DiscImporter.h"

#include <string>
#include <string_view>

namespace kolvane {

// Reads the system CD player's cdplayer.ini: one entry per disc section, the
// section name as disc id, the keys "Title" and "Artist" in any letter case
// and every all-digit key as a track line in file order. Stricter than a
// profile read: a line that is neither a header nor a key, or a disc key
// before the first section, makes the whole file unusable.
class CdPlayerIniImporter : public DiscImporter {
public:
    using DiscImporter::DiscImporter;

    bool Import(const std::string& path) override;

private:
    enum class State { NoSection, InSection, Failed };
    enum class LineKind { Header, TitleKey, ArtistKey, TrackKey, IgnoredKey, Malformed };

    void TakeLine(const std::string& line);
    void ApplyKey(LineKind kind, std::string_view value);

    State state_ = State::NoSection;
    DiscEntry current_;
};

} // namespace kolvane
