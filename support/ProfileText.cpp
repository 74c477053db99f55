#include "support/ProfileText.h"

#include "support/WhiteSpace.h"

namespace zul {

namespace {

std::string FoldedName(std::string_view name) {
    std::string folded(TrimWhiteSpace(name));
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

bool SameName(std::string_view a, std::string_view b) {
    a = TrimWhiteSpace(a);
    b = TrimWhiteSpace(b);
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// A line without its line end (LF or CR LF).
std::string_view Body(std::string_view line) {
    if (line.empty() || line.back() != '\n')
        return line;
    line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// A section header is "[name]"; text after the first "]" does not count.
bool IsHeader(std::string_view line, std::string_view& name) {
    std::string_view trimmed = TrimWhiteSpace(Body(line));
    if (trimmed.empty() || trimmed.front() != '[')
        return false;
    size_t close = trimmed.find(']');
    if (close == std::string_view::npos)
        return false;
    name = trimmed.substr(1, close - 1);
    return true;
}

// A key line is "name=value"; blank lines, comments (";") and stray text
// are none and are passed over.
bool IsKeyLine(std::string_view line, std::string_view& name, size_t& equals) {
    std::string_view body = Body(line);
    std::string_view trimmed = TrimWhiteSpace(body);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return false;
    equals = body.find('=');
    if (equals == std::string_view::npos)
        return false;
    name = body.substr(0, equals);
    return true;
}

// Where the key's line is in the lines of a section (0 is the header), and
// the last key line, behind which a new key goes (the header when none).
struct KeyPlace {
    bool found = false;
    size_t index = 0;
    size_t equals = 0;
    size_t lastKeyLine = 0;
};

KeyPlace FindKey(const std::vector<std::string>& lines, std::string_view key) {
    KeyPlace place;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string_view name;
        size_t equals;
        if (!IsKeyLine(lines[i], name, equals))
            continue;
        if (SameName(name, key)) {
            place.found = true;
            place.index = i;
            place.equals = equals;
            return place;
        }
        place.lastKeyLine = i;
    }
    return place;
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

ProfileText::ProfileText() : blocks_(1), lineEnd_("\r\n") {}

ProfileText::ProfileText(std::string_view content) : ProfileText() {
    size_t firstLf = content.find('\n');
    if (firstLf != std::string_view::npos && (firstLf == 0 || content[firstLf - 1] != '\r'))
        lineEnd_ = "\n";
    while (!content.empty()) {
        size_t lf = content.find('\n');
        size_t length = lf == std::string_view::npos ? content.size() : lf + 1;
        std::string_view line = content.substr(0, length);
        content.remove_prefix(length);
        std::string_view name;
        if (IsHeader(line, name))
            blocks_.emplace_back();
        blocks_.back().lines.emplace_back(line);
    }
    IndexBlocks();
}

void ProfileText::IndexBlocks() {
    firstBlock_.clear();
    for (size_t i = 1; i < blocks_.size(); ++i) {
        std::string_view name;
        IsHeader(blocks_[i].lines.front(), name);
        firstBlock_.emplace(FoldedName(name), i);
    }
}

ProfileText::Block* ProfileText::FindBlock(std::string_view section) {
    auto found = firstBlock_.find(FoldedName(section));
    return found == firstBlock_.end() ? nullptr : &blocks_[found->second];
}

const ProfileText::Block* ProfileText::FindBlock(std::string_view section) const {
    auto found = firstBlock_.find(FoldedName(section));
    return found == firstBlock_.end() ? nullptr : &blocks_[found->second];
}

std::string ProfileText::Content() const {
    size_t size = 0;
    for (const Block& block : blocks_) {
        for (const std::string& line : block.lines)
            size += line.size();
    }
    std::string content;
    content.reserve(size);
    for (const Block& block : blocks_) {
        for (const std::string& line : block.lines)
            content += line;
    }
    return content;
}

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
    const Block* block = FindBlock(section);
    if (!block)
        return false;
    KeyPlace place = FindKey(block->lines, key);
    if (!place.found)
        return false;
    std::string_view body = Body(block->lines[place.index]);
    value.assign(StripQuotes(TrimWhiteSpace(body.substr(place.equals + 1))));
    return true;
}

bool ProfileText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsWritable(section, key, value))
        return false;
    std::string keyLine;
    keyLine.append(key).append("=").append(value);

    Block* block = FindBlock(section);
    if (!block) {
        // A text whose last line has no line end gets one first.
        for (auto last = blocks_.rbegin(); last != blocks_.rend(); ++last) {
            if (last->lines.empty())
                continue;
            if (last->lines.back().back() != '\n')
                last->lines.back() += lineEnd_;
            break;
        }
        Block added;
        added.lines.push_back(std::string("[").append(section).append("]") + lineEnd_);
        added.lines.push_back(keyLine + lineEnd_);
        blocks_.push_back(std::move(added));
        firstBlock_.emplace(FoldedName(section), blocks_.size() - 1);
        return true;
    }

    std::vector<std::string>& lines = block->lines;
    KeyPlace place = FindKey(lines, key);
    if (place.found) {
        // Keep the key as it is spelt and the blanks after "=", so that the
        // line keeps its look; only the old value goes.
        std::string& line = lines[place.index];
        size_t valueBegin = place.equals + 1;
        size_t valueEnd = Body(line).size();
        if (!value.empty()) {
            while (valueBegin < valueEnd && (line[valueBegin] == ' ' || line[valueBegin] == '\t'))
                ++valueBegin;
        }
        line.replace(valueBegin, valueEnd - valueBegin, value);
        return true;
    }

    std::string& after = lines[place.lastKeyLine];
    std::string_view afterBody = Body(after);
    if (afterBody.size() < after.size()) {
        std::string lineEnd = after.substr(afterBody.size());
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.lastKeyLine) + 1,
                     keyLine + lineEnd);
    } else {
        // The section ends the text without a final line end: the new line
        // follows a line end of its own and the text still ends as before.
        after += lineEnd_;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.lastKeyLine) + 1, keyLine);
    }
    return true;
}

void ProfileText::DeleteKey(std::string_view section, std::string_view key) {
    Block* block = FindBlock(section);
    if (!block)
        return;
    KeyPlace place = FindKey(block->lines, key);
    if (place.found)
        block->lines.erase(block->lines.begin() + static_cast<std::ptrdiff_t>(place.index));
}

void ProfileText::DeleteSection(std::string_view section) {
    auto found = firstBlock_.find(FoldedName(section));
    if (found == firstBlock_.end())
        return;
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(found->second));
    IndexBlocks();
}

} // namespace zul
