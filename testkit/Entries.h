#pragma once

#include "core/DiscEntry.h"

#include <string>
#include <vector>

namespace kvtest {

// The fields in the order of the entry (and of the native file).
inline kolvane::DiscEntry Entry(const std::string& artist, const std::string& title = "",
                                const std::string& year = "", const std::string& id = "",
                                const std::string& tracks = "", const std::string& notes = "") {
    return kolvane::DiscEntry{artist, title, year, id, tracks, notes};
}

// One entry per artist, the other fields empty.
inline kolvane::DiscCollection Entries(const std::vector<std::string>& artists) {
    kolvane::DiscCollection entries;
    for (const std::string& artist : artists)
        entries.push_back(Entry(artist));
    return entries;
}

} // namespace kvtest
