#include "core/DiscEntry.h"

#include "support/TextCase.h"

namespace kolvane {

std::string& DiscEntry::Field(int index) {
    return const_cast<std::string&>(static_cast<const DiscEntry&>(*this).Field(index));
}

const std::string& DiscEntry::Field(int index) const {
    switch (index) {
    case 0:
        return Artist;
    case 1:
        return Title;
    case 2:
        return Year;
    case 3:
        return DiscId;
    case 4:
        return Tracks;
    default:
        return Notes;
    }
}

void DiscEntry::AssignFrom(const DiscEntry& other) {
    *this = other;
}

int DiscEntry::CompareAll(const DiscEntry& other) const {
    for (int i = 0; i < FieldCount; ++i) {
        if (int result = zul::CompareBytes(Field(i), other.Field(i)))
            return result;
    }
    return 0;
}

void DiscEntry::ClearAll() {
    for (int i = 0; i < FieldCount; ++i)
        Field(i).clear();
}

bool DiscEntry::IsEmpty() const {
    for (int i = 0; i < FieldCount; ++i) {
        if (!Field(i).empty())
            return false;
    }
    return true;
}

bool DiscEntry::MatchesText(const std::string& text) const {
    return ContainsUpperCased(zul::UpperCased1252(text));
}

bool DiscEntry::ContainsUpperCased(std::string_view upperText) const {
    const zul::UpperCaseFinder finder(upperText);
    for (int i = 0; i < FieldCount; ++i) {
        if (finder.FoundIn(Field(i)))
            return true;
    }
    return false;
}

} // namespace kolvane
