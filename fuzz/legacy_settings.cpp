// Any bytes as the older settings file beside the program: taking it over
// must never crash, and what reaches the settings store must follow the copy
// rules: only the two sections and their keys, each flag always, a text only
// when there is one (cut to the read buffer), a block or list only when one of
// its bytes is set, the sort column only when it is not -1.
#include "exchange/LegacySettingsCopy.h"
#include "fuzz/Harness.h"
#include "support/ProfileSettingsStore.h"
#include "support/ProfileText.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Keeps what is put, by section and key; reads give the defaults.
class RecordingStore : public zul::SettingsStore {
public:
    struct Value {
        char kind; // s text, b flag, i int, l list, x bytes
        std::string text;
        std::vector<int> numbers;
        std::vector<unsigned char> bytes;
    };
    std::map<std::string, std::map<std::string, Value>> sections;

    bool OpenSection(std::string_view section) override {
        open_ = std::string(section);
        sections[open_];
        return true;
    }
    void CloseSection() override { open_.clear(); }
    bool IsOpen() const override { return !open_.empty(); }
    std::string GetString(std::string_view, std::string_view d) override { return std::string(d); }
    bool GetBool(std::string_view, bool d) override { return d; }
    int GetInt(std::string_view, int d) override { return d; }
    void GetIntList(std::string_view, int count, const int* d, int* t) override {
        std::copy(d, d + count, t);
    }
    void GetBinary(std::string_view, int count, const unsigned char* d, unsigned char* t) override {
        std::copy(d, d + count, t);
    }
    bool PutString(std::string_view key, std::string_view text) override {
        return Put(key, {'s', std::string(text), {}, {}});
    }
    bool PutBool(std::string_view key, bool value) override {
        return Put(key, {'b', value ? "1" : "0", {}, {}});
    }
    bool PutInt(std::string_view key, int value) override {
        return Put(key, {'i', "", {value}, {}});
    }
    bool PutIntList(std::string_view key, int count, const int* values) override {
        return Put(key, {'l', "", std::vector<int>(values, values + count), {}});
    }
    bool PutBinary(std::string_view key, int count, const unsigned char* bytes) override {
        return Put(key, {'x', "", {}, std::vector<unsigned char>(bytes, bytes + count)});
    }
    bool DeleteValue(std::string_view) override { std::abort(); }
    bool DeleteSection(std::string_view) override { std::abort(); }

private:
    bool Put(std::string_view key, Value value) {
        if (open_.empty() || !sections[open_].emplace(std::string(key), value).second)
            std::abort(); // outside a section, or a key twice
        return true;
    }
    std::string open_;
};

const std::set<std::string> ListWindowFlags = {"AddInfo", "Grid", "DefSortUp", "DragDraw"};

void CheckSection(const std::map<std::string, RecordingStore::Value>& values,
                  const std::set<std::string>& flags, const std::set<std::string>& texts,
                  const zul::ProfileText& file, const std::string& section) {
    for (const std::string& flag : flags)
        kvfuzz::FailIf(!values.count(flag) || values.at(flag).kind != 'b');
    for (const auto& [key, value] : values) {
        const bool anySet =
            std::any_of(value.numbers.begin(), value.numbers.end(), [](int n) { return n != 0; }) ||
            std::any_of(value.bytes.begin(), value.bytes.end(),
                        [](unsigned char b) { return b != 0; });
        std::string stored;
        const bool found = file.Find(section, key, stored);
        switch (value.kind) {
        case 'b':
            kvfuzz::FailIf(!flags.count(key));
            break;
        case 's':
            // The file's text, cut to the read buffer.
            kvfuzz::FailIf(!texts.count(key) || value.text.empty() || !found ||
                           value.text != stored.substr(0, kolvane::LegacyReadBufferSize - 1));
            break;
        case 'i':
            kvfuzz::FailIf(key != "DefSortBy" || value.numbers.at(0) == -1 || !found);
            break;
        case 'l':
            kvfuzz::FailIf((key == "Columns"      ? value.numbers.size() != 4
                            : key == "InfoMetric" ? value.numbers.size() != 2
                                                  : true) ||
                           !anySet);
            break;
        case 'x':
            kvfuzz::FailIf(key != "Placement" || value.bytes.size() != 44 || !anySet || !found);
            break;
        default:
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    const std::string path = folder.Write("Kolvane.ini", data, size);
    zul::ProfileSettingsStore profile(path, kolvane::LegacyReadBufferSize);
    RecordingStore store;
    kolvane::CopyLegacySettings(profile, store);

    kvfuzz::FailIf(store.sections.size() != 2 || !store.sections.count("MainDlg") ||
                   !store.sections.count("ImportDlg"));
    const zul::ProfileText file(std::string_view(reinterpret_cast<const char*>(data), size));
    std::set<std::string> mainFlags = ListWindowFlags;
    mainFlags.insert({"DelChk", "HotEdit"});
    CheckSection(store.sections["MainDlg"], mainFlags, {"WorkDir", "ExportDirIni", "ExportDirKvd"},
                 file, "MainDlg");
    CheckSection(store.sections["ImportDlg"], ListWindowFlags,
                 {"WorkDir", "WorkDirIni", "WorkDirKvd", "WorkDirV1x"}, file, "ImportDlg");
    return 0;
}
