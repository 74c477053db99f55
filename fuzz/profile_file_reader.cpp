// A profile file after a line "section<TAB>key[<TAB>buffer size]": parsing
// keeps every byte, a read is the value cut to the buffer, a write is read back.
#include "fuzz/Harness.h"
#include "support/ProfileFile.h"
#include "support/ProfileText.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using kvfuzz::FailIf;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    const std::vector<std::string> lines = kvfuzz::Fields(data, size, '\n', 2);
    const std::string content = lines.size() > 1 ? lines[1] : "";
    const auto* first = reinterpret_cast<const unsigned char*>(lines[0].data());
    std::vector<std::string> query = kvfuzz::Fields(first, lines[0].size(), '\t', 3);
    if (query.size() == 1)
        query.push_back("k");
    const std::string& section = query[0];
    const std::string& key = query[1];
    const int bufferSize =
        query.size() > 2 ? std::clamp(std::atoi(query[2].substr(0, 4).c_str()), 1, 4096) : 1024;

    zul::ProfileText text(content);
    FailIf(text.Content() != content);
    std::string value;
    const bool found = text.Find(section, key, value);

    const auto* bytes = reinterpret_cast<const unsigned char*>(content.data());
    zul::ProfileFile profile(folder.Write("p.ini", bytes, content.size()), bufferSize);
    const std::string read = profile.ReadString(section, key, "default");
    const size_t longest = static_cast<size_t>(bufferSize - 1);
    FailIf(read != (found ? value : std::string("default")).substr(0, longest));
    int numbers[4] = {1, 2, 3, 4};
    profile.ReadIntList(section, key, numbers, numbers);
    unsigned char block[8] = {};
    profile.ReadBytes(section, key, block, block);

    if (profile.WriteInt(section, key, -42) && bufferSize > 3)
        FailIf(profile.ReadInt(section, key, 7) != -42);
    return 0;
}
