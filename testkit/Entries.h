#pragma once

// Entries for tests.
#include "core/DiscEntry.h"

#include <string>
#include <vector>

namespace kvtest {

inline kolvane::DiscEntry Entry(const std::string& artist, const std::string& title = "",
                                const std::string& year = "", const std::string& id = "") {
    kolvane::DiscEntry e;
    e.Artist = artist;
    e.Title = title;
    e.Year = year;
    e.DiscId = id;
    return e;
}

// One entry per artist, the other fields empty.
inline kolvane::DiscCollection Entries(const std::vector<std::string>& artists) {
    kolvane::DiscCollection entries;
    for (const std::string& artist : artists)
        entries.push_back(Entry(artist));
    return entries;
}

} // namespace kvtest
