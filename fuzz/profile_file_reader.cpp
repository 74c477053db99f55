// Any bytes as a profile file. The first line names what to look up
// ("section", a tab, "key"); the rest is the file. Parsing must keep every
// byte, every read must follow the reading rules, and a write must be found
// again by the next read with nothing else of the text changed around it.
#include "fuzz/ScratchFolder.h"
#include "support/ProfileFile.h"
#include "support/ProfileText.h"

#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    size_t lineEnd = input.find('\n');
    std::string_view query = input.substr(0, lineEnd == input.npos ? input.size() : lineEnd);
    std::string_view content =
        lineEnd == input.npos ? std::string_view() : input.substr(lineEnd + 1);
    size_t tab = query.find('\t');
    std::string section(query.substr(0, tab));
    std::string key(tab == query.npos ? std::string_view("k") : query.substr(tab + 1));

    zul::ProfileText text(content);
    if (text.Content() != content)
        std::abort();
    std::string value;
    bool found = text.Find(section, key, value);
    if (found && value.size() > content.size())
        std::abort();

    // The typed reads through a real file, with a buffer of the usual size.
    std::string path = folder.Write("p.ini", reinterpret_cast<const unsigned char*>(content.data()),
                                    content.size());
    zul::ProfileFile profile(path, 1024);
    std::string read = profile.ReadString(section, key, "default");
    if (read.size() > 1023 || (!found && read != "default") ||
        (found && read != value.substr(0, 1023)))
        std::abort();
    profile.ReadInt(section, key, 7);
    profile.ReadBool(section, key, true);
    int numbers[4] = {1, 2, 3, 4};
    profile.ReadIntList(section, key, numbers, numbers);
    unsigned char bytes[8] = {};
    profile.ReadBytes(section, key, bytes, bytes);

    if (text.SetValue(section, key, "fuzz value")) {
        std::string again;
        if (!text.Find(section, key, again) || again != "fuzz value")
            std::abort();
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
        if (removed.find('\n') != removed.npos)
            std::abort();
    } else if (text.Content() != content) {
        std::abort();
    }
    return 0;
}
