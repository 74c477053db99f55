// Any bytes as a profile file. The first line names what to look up
// ("section", a tab, "key", and optionally a tab and the read buffer size);
// the rest is the file. Parsing must keep every byte, every read must follow
// the reading rules (a value is cut to the buffer size less one), a write must
// be found again by the next read with nothing else of the text changed
// around it, and the typed writes through the file must read back as written.
#include "fuzz/Harness.h"
#include "support/ProfileFile.h"
#include "support/ProfileText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct Query {
    std::string section;
    std::string key;
    int bufferSize = 1024;
};

Query ParseQuery(std::string_view line) {
    Query query;
    size_t tab = line.find('\t');
    query.section = line.substr(0, tab);
    if (tab == line.npos) {
        query.key = "k";
        return query;
    }
    std::string_view rest = line.substr(tab + 1);
    size_t second = rest.find('\t');
    query.key = rest.substr(0, second);
    if (second != rest.npos) {
        int size = 0;
        for (char c : rest.substr(second + 1, 5))
            if (c >= '0' && c <= '9')
                size = size * 10 + (c - '0');
        query.bufferSize = std::clamp(size, 1, 4096);
    }
    return query;
}

void CheckTextEdit(std::string_view content, const Query& q) {
    zul::ProfileText text(content);
    if (!text.SetValue(q.section, q.key, "fuzz value")) {
        kvfuzz::FailIf(text.Content() != content);
        return;
    }
    std::string again;
    kvfuzz::FailIf(!text.Find(q.section, q.key, again) || again != "fuzz value");
    // Only the key's own line, or lines added at one place, may differ.
    std::string after = text.Content();
    size_t prefix = 0;
    while (prefix < content.size() && prefix < after.size() && content[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < content.size() - prefix && suffix < after.size() - prefix &&
           content[content.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    std::string_view removed = content.substr(prefix, content.size() - prefix - suffix);
    kvfuzz::FailIf(removed.find('\n') != removed.npos);
}

// Typed writes through the file, each read back, then the key and the section
// deleted: after each step the file holds what the same edits make of the
// text in memory.
void CheckFileWrites(zul::ProfileFile& profile, zul::ProfileText& model, const Query& q) {
    const int numbers[4] = {-2147483647 - 1, 0, 120, 2147483647};
    const unsigned char bytes[5] = {0x00, 0x2C, 0x7F, 0x80, 0xFF};
    const bool gathered = q.bufferSize % 2 == 0;
    kvfuzz::FailIf(gathered && !profile.BeginUpdate());
    bool wrote = profile.WriteInt(q.section, q.key, -42);
    bool modelled = model.SetValue(q.section, q.key, "-42");
    wrote = wrote && profile.WriteIntList(q.section, q.key + "L", numbers);
    modelled =
        modelled && model.SetValue(q.section, q.key + "L", "-2147483648, 0, 120, 2147483647");
    wrote = wrote && profile.WriteBytes(q.section, q.key + "B", bytes);
    modelled = modelled && model.SetValue(q.section, q.key + "B", "002C7F80FF");
    wrote = wrote && profile.WriteBool(q.section, q.key + "F", true);
    modelled = modelled && model.SetValue(q.section, q.key + "F", "1");
    kvfuzz::FailIf(gathered && !profile.EndUpdate());
    kvfuzz::FailIf(wrote != modelled || kvfuzz::FileContent(profile.FileName()) != model.Content());
    if (!wrote)
        return;
    int list[4] = {};
    unsigned char block[5] = {};
    const int noDefaults[4] = {1, 1, 1, 1};
    const unsigned char noBytes[5] = {1, 1, 1, 1, 1};
    profile.ReadIntList(q.section, q.key + "L", noDefaults, list);
    profile.ReadBytes(q.section, q.key + "B", noBytes, block);
    // Short buffers cut the texts: "-42" to "-4", "-" (no number: 0) or
    // nothing (the default).
    const int cutInt[] = {7, 7, 0, -4};
    kvfuzz::FailIf(profile.ReadInt(q.section, q.key, 7) !=
                       (q.bufferSize > 3 ? -42 : cutInt[q.bufferSize]) ||
                   (q.bufferSize > 31 && !std::equal(list, list + 4, numbers)) ||
                   (q.bufferSize > 10 && !std::equal(block, block + 5, bytes)) ||
                   profile.ReadBool(q.section, q.key + "F", false) != (q.bufferSize > 1));

    // A duplicate of the key or the section may come to light afterwards.
    const size_t longest = static_cast<size_t>(std::max(q.bufferSize - 1, 0));
    std::string left;
    kvfuzz::FailIf(!profile.DeleteKey(q.section, q.key));
    model.DeleteKey(q.section, q.key);
    kvfuzz::FailIf(
        kvfuzz::FileContent(profile.FileName()) != model.Content() ||
        (!model.Find(q.section, q.key, left) &&
         profile.ReadString(q.section, q.key, "weg") != std::string("weg").substr(0, longest)));
    kvfuzz::FailIf(!profile.DeleteSection(q.section));
    model.DeleteSection(q.section);
    kvfuzz::FailIf(kvfuzz::FileContent(profile.FileName()) != model.Content());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    size_t lineEnd = input.find('\n');
    const Query q = ParseQuery(input.substr(0, lineEnd == input.npos ? input.size() : lineEnd));
    std::string_view content =
        lineEnd == input.npos ? std::string_view() : input.substr(lineEnd + 1);

    zul::ProfileText text(content);
    kvfuzz::FailIf(text.Content() != content);
    std::string value;
    bool found = text.Find(q.section, q.key, value);
    kvfuzz::FailIf(found && value.size() > content.size());

    // The typed reads through a real file.
    std::string path = folder.Write("p.ini", reinterpret_cast<const unsigned char*>(content.data()),
                                    content.size());
    zul::ProfileFile profile(path, q.bufferSize);
    const size_t longest = static_cast<size_t>(q.bufferSize - 1);
    std::string read = profile.ReadString(q.section, q.key, "default");
    kvfuzz::FailIf(read.size() > longest ||
                   (!found && read != std::string("default").substr(0, longest)) ||
                   (found && read != value.substr(0, longest)));
    profile.ReadInt(q.section, q.key, 7);
    profile.ReadBool(q.section, q.key, true);
    int numbers[4] = {1, 2, 3, 4};
    profile.ReadIntList(q.section, q.key, numbers, numbers);
    unsigned char bytes[8] = {};
    profile.ReadBytes(q.section, q.key, bytes, bytes);

    CheckTextEdit(content, q);
    zul::ProfileText model(content);
    CheckFileWrites(profile, model, q);
    return 0;
}
