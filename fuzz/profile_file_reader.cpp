// A profile file after a line "section<TAB>key[<TAB>buffer size]": parsing
// keeps every byte, a read is the value cut to the buffer, a write is read back.
#include "fuzz/Harness.h"
#include "support/ProfileFile.h"
#include "support/ProfileText.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

using kvfuzz::FailIf;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t lineEnd = std::min(input.find('\n'), input.size());
    const std::string_view query = input.substr(0, lineEnd);
    const std::string_view content = input.substr(std::min(lineEnd + 1, input.size()));
    const size_t tab = query.find('\t');
    const std::string section(query.substr(0, tab));
    const std::string_view rest = tab == query.npos ? "k" : query.substr(tab + 1);
    const std::string key(rest.substr(0, rest.find('\t')));
    int bufferSize = 1024;
    if (rest.find('\t') != rest.npos) {
        const std::string digits(rest.substr(rest.find('\t') + 1, 4));
        bufferSize = std::clamp(std::atoi(digits.c_str()), 1, 4096);
    }

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
