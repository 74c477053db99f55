#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zul {

// The text of a profile ("INI") file, looked up and changed line by line the
// way Windows treats profile files, but without ever reformatting it: an edit
// touches only the one line it is about, every other byte stays as it was.
//
// Section and key names compare without regard to ASCII letter case and with
// the white space around them ignored; of duplicate sections or keys the
// first one counts, for reading and for writing.
class ProfileText {
public:
    ProfileText();
    explicit ProfileText(std::string_view content);

    std::string Content() const;

    // The value of the key, trimmed and with one pair of matching outer
    // quotes ("..." or '...') removed; false when section or key is missing.
    bool Find(std::string_view section, std::string_view key, std::string& value) const;

    // Replaces the value in the key's own line, or adds the key after the last
    // key line of its section, or appends the section at the end. False (and
    // no change) when a name or the value would not survive being read back:
    // see IsWritable.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Removes the key's line, if there is one.
    void DeleteKey(std::string_view section, std::string_view key);
    // Removes the section's header and every line up to the next header.
    void DeleteSection(std::string_view section);

    // A line break in a name or value, a "]" in a section name or a "=" in a
    // key name would split or rename lines of the file, so such writes are
    // refused, as are names that are empty once trimmed.
    static bool IsWritable(std::string_view section, std::string_view key, std::string_view value);

private:
    // The lines from one section header up to the next (the first block holds
    // the lines before any header). Each line keeps its own line end, so the
    // text is the lines put together.
    struct Block {
        std::vector<std::string> lines;
    };

    Block* FindBlock(std::string_view section);
    const Block* FindBlock(std::string_view section) const;
    void IndexBlocks();

    std::vector<Block> blocks_;
    // Folded section name to its first block: a write to many sections in a
    // row costs no search through the whole text.
    std::unordered_map<std::string, size_t> firstBlock_;
    // What new lines end with: the text's first line end, CR LF if it has none.
    std::string lineEnd_;
};

} // namespace zul
