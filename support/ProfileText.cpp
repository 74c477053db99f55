#include "support/ProfileText.h"

#include "support/WhiteSpace.h"

namespace zul {

namespace {

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    a = TrimWhiteSpace(a);
    b = TrimWhiteSpace(b);
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

// One line of the text: [begin, bodyEnd) is the line without its line end,
// [bodyEnd, end) the line end itself (LF, CR LF or nothing at the very end).
struct Line {
    size_t begin = 0;
    size_t bodyEnd = 0;
    size_t end = 0;
};

Line LineAt(const std::string& text, size_t begin) {
    Line line;
    line.begin = begin;
    size_t lf = text.find('\n', begin);
    if (lf == std::string::npos) {
        line.bodyEnd = line.end = text.size();
        return line;
    }
    line.end = lf + 1;
    line.bodyEnd = (lf > begin && text[lf - 1] == '\r') ? lf - 1 : lf;
    return line;
}

enum class LineKind { Other, Header, Key };

// What a line is: a section header "[name]" (text after the "]" does not
// count), a key line "name=value", or anything else (blank lines, comments
// starting with ";", stray text), which lookups pass over.
struct LineMeaning {
    LineKind kind = LineKind::Other;
    std::string_view name;
    size_t equals = 0; // offset of the "=" of a key line in the whole text
};

LineMeaning Classify(const std::string& text, const Line& line) {
    LineMeaning meaning;
    std::string_view body(text.data() + line.begin, line.bodyEnd - line.begin);
    std::string_view trimmed = TrimWhiteSpace(body);
    if (trimmed.empty() || trimmed.front() == ';')
        return meaning;
    if (trimmed.front() == '[') {
        size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            meaning.kind = LineKind::Header;
            meaning.name = trimmed.substr(1, close - 1);
        }
        return meaning;
    }
    size_t equals = body.find('=');
    if (equals == std::string_view::npos)
        return meaning;
    meaning.kind = LineKind::Key;
    meaning.name = body.substr(0, equals);
    meaning.equals = line.begin + equals;
    return meaning;
}

// Where the first section of that name lies: its header line and the end of
// its last line (the start of the next header, or the end of the text).
struct SectionPlace {
    bool found = false;
    Line header;
    size_t end = 0;
};

SectionPlace FindSection(const std::string& text, std::string_view section) {
    SectionPlace place;
    for (size_t pos = 0; pos < text.size();) {
        Line line = LineAt(text, pos);
        pos = line.end;
        LineMeaning meaning = Classify(text, line);
        if (meaning.kind != LineKind::Header)
            continue;
        if (place.found) {
            place.end = line.begin;
            return place;
        }
        if (SameName(meaning.name, section)) {
            place.found = true;
            place.header = line;
        }
    }
    place.end = text.size();
    return place;
}

// The key's line inside the section, and the section's last key line (or its
// header when it has no key line), behind which a new key goes.
struct KeyPlace {
    bool found = false;
    Line line;
    LineMeaning meaning;
    Line lastKeyLine;
};

KeyPlace FindKey(const std::string& text, const SectionPlace& section, std::string_view key) {
    KeyPlace place;
    place.lastKeyLine = section.header;
    for (size_t pos = section.header.end; pos < section.end;) {
        Line line = LineAt(text, pos);
        pos = line.end;
        LineMeaning meaning = Classify(text, line);
        if (meaning.kind != LineKind::Key)
            continue;
        if (SameName(meaning.name, key)) {
            place.found = true;
            place.line = line;
            place.meaning = meaning;
            return place;
        }
        place.lastKeyLine = line;
    }
    return place;
}

// The line end that new lines get: the one the text already uses, CR LF for
// a text without any (as Windows writes them).
std::string UsualLineEnd(const std::string& text) {
    size_t lf = text.find('\n');
    if (lf != std::string::npos && (lf == 0 || text[lf - 1] != '\r'))
        return "\n";
    return "\r\n";
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

} // namespace

bool ProfileText::IsWritable(std::string_view section, std::string_view key,
                             std::string_view value) {
    std::string_view trimmedKey = TrimWhiteSpace(key);
    if (TrimWhiteSpace(section).empty() || HasLineBreak(section) ||
        section.find(']') != section.npos)
        return false;
    if (trimmedKey.empty() || HasLineBreak(key) || key.find('=') != key.npos ||
        trimmedKey.front() == '[' || trimmedKey.front() == ';')
        return false;
    return !HasLineBreak(value);
}

bool ProfileText::Find(std::string_view section, std::string_view key, std::string& value) const {
    SectionPlace sectionPlace = FindSection(content_, section);
    if (!sectionPlace.found)
        return false;
    KeyPlace keyPlace = FindKey(content_, sectionPlace, key);
    if (!keyPlace.found)
        return false;
    size_t valueBegin = keyPlace.meaning.equals + 1;
    std::string_view raw(content_.data() + valueBegin, keyPlace.line.bodyEnd - valueBegin);
    value.assign(StripQuotes(TrimWhiteSpace(raw)));
    return true;
}

bool ProfileText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsWritable(section, key, value))
        return false;
    std::string keyLine;
    keyLine.append(key).append("=").append(value);

    SectionPlace sectionPlace = FindSection(content_, section);
    if (!sectionPlace.found) {
        std::string lineEnd = UsualLineEnd(content_);
        if (!content_.empty() && content_.back() != '\n')
            content_ += lineEnd;
        content_.append("[").append(section).append("]").append(lineEnd);
        content_.append(keyLine).append(lineEnd);
        return true;
    }

    KeyPlace keyPlace = FindKey(content_, sectionPlace, key);
    if (keyPlace.found) {
        // Keep the key as it is spelt and the blanks after "=", so that the
        // line keeps its look; only the old value goes.
        size_t valueBegin = keyPlace.meaning.equals + 1;
        size_t valueEnd = keyPlace.line.bodyEnd;
        if (!value.empty()) {
            while (valueBegin < valueEnd &&
                   (content_[valueBegin] == ' ' || content_[valueBegin] == '\t'))
                ++valueBegin;
        }
        content_.replace(valueBegin, valueEnd - valueBegin, value);
        return true;
    }

    const Line& after = keyPlace.lastKeyLine;
    if (after.end > after.bodyEnd) {
        std::string lineEnd = content_.substr(after.bodyEnd, after.end - after.bodyEnd);
        content_.insert(after.end, keyLine + lineEnd);
    } else {
        // The section ends the text without a final line end: the new line
        // goes behind a line end of its own and the text still ends as before.
        content_.insert(after.end, UsualLineEnd(content_) + keyLine);
    }
    return true;
}

void ProfileText::DeleteKey(std::string_view section, std::string_view key) {
    SectionPlace sectionPlace = FindSection(content_, section);
    if (!sectionPlace.found)
        return;
    KeyPlace keyPlace = FindKey(content_, sectionPlace, key);
    if (keyPlace.found)
        content_.erase(keyPlace.line.begin, keyPlace.line.end - keyPlace.line.begin);
}

void ProfileText::DeleteSection(std::string_view section) {
    SectionPlace sectionPlace = FindSection(content_, section);
    if (sectionPlace.found)
        content_.erase(sectionPlace.header.begin, sectionPlace.end - sectionPlace.header.begin);
}

} // namespace zul
