#include "core/NativeFile.h"

#include "support/FileSystem.h"
#include "support/ReplacementFile.h"

#include "resources/resource.h"
#include "testkit/Entries.h"
#include "testkit/FileSizeLimit.h"
#include "testkit/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

using kolvane::DiscCollection;
using kolvane::LoadNativeFile;
using kolvane::SaveNativeFile;
using kvtest::Entry;
using Bytes = std::vector<unsigned char>;

namespace {

const Bytes Header = {'K', 'O', 'L', 'V', 1, 0, 0, 0};

Bytes HeaderWithCount(std::uint32_t count) {
    Bytes bytes = Header;
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<unsigned char>(count >> (8 * i)));
    return bytes;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<std::string> NamesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class NativeFile : public testing::Test {
protected:
    // The entries start filled so that clearing shows.
    int Load(const Bytes& bytes) {
        kvtest::WriteBytes(path, bytes);
        loaded = {Entry("vorher")};
        return LoadNativeFile(path, loaded, reporter);
    }

    Bytes Save(const DiscCollection& entries) {
        EXPECT_EQ(SaveNativeFile(path, entries, reporter), 1);
        return kvtest::ReadBytes(path);
    }

    std::vector<std::string> FolderContents() const { return NamesIn(folder.Path()); }

    void ExpectLoaded(const DiscCollection& expected) const {
        ASSERT_EQ(loaded.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(loaded[i].CompareAll(expected[i]), 0) << i;
    }

    kvtest::TempFolder folder;
    std::string path = folder.File("liste.kvd");
    kvtest::RecordingReporter reporter;
    DiscCollection loaded;
};

} // namespace

// Saved and read back: NUL and high bytes, an empty collection, and the
// length prefixes at their boundaries (a title of that many bytes).
TEST_F(NativeFile, SavedBytesAndLengthPrefixBoundaries) {
    const auto title = [](std::size_t length, const Bytes& prefix) {
        const std::string text(length, 'x');
        return std::pair{DiscCollection{Entry("", text)}, HeaderWithCount(1) + Bytes{0} + prefix +
                                                              Bytes(text.begin(), text.end()) +
                                                              Bytes{0, 0, 0, 0}};
    };
    const std::pair<DiscCollection, Bytes> cases[] = {
        {{Entry(std::string("a\0\xFF", 3))},
         HeaderWithCount(1) + Bytes{3, 'a', 0, 0xFF, 0, 0, 0, 0, 0}},
        {{}, HeaderWithCount(0)},
        title(254, {0xFE}),
        title(255, {0xFF, 0xFF, 0x00}),
        title(65533, {0xFF, 0xFD, 0xFF}),
        title(65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}),
        title(70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}),
    };
    for (const auto& [entries, bytes] : cases) {
        SCOPED_TRACE(bytes.size());
        EXPECT_EQ(Save(entries), bytes);
        EXPECT_EQ(Load(bytes), 1);
        ExpectLoaded(entries);
        EXPECT_TRUE(reporter.errors.empty());
    }
}

// Forms the program never writes but reads, and every failure with the
// error and the entries it leaves.
TEST_F(NativeFile, WhatAFileLeavesAfterReadingOrFailing) {
    const Bytes one = HeaderWithCount(1);
    const Bytes three = HeaderWithCount(3);
    struct Case {
        const char* what;
        Bytes bytes;
        int error; // 0: read
        DiscCollection entries;
    };
    const Case cases[] = {
        {"long prefixes", one + Bytes{0xFF, 0x03, 0x00, 'a', 'b', 'c'} +
             Bytes{0xFF, 0xFF, 0xFF, 0x02, 0, 0, 0, 'd', 'e'} + Bytes{0, 0, 0, 0},
         0, {Entry("abc", "de")}},
        // The euro sign has a 1252 byte, a CJK character and a surrogate pair
        // none; then a 16-bit unit count and an empty wide string.
        {"wide strings", one + Bytes{0xFF, 0xFE, 0xFF, 0x02, 0xE4, 0x00, 0x62, 0x00} +
             Bytes{0xFF, 0xFE, 0xFF, 0x04, 0xAC, 0x20, 0x2D, 0x4E, 0x3D, 0xD8, 0x00, 0xDE} +
             Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 0x41, 0x00} + Bytes{0xFF, 0xFE, 0xFF, 0x00} +
             Bytes{0, 0},
         0, {Entry("\xE4\x62", "\x80???", "A")}},
        {"trailing bytes", one + Bytes{1, 'x', 0, 0, 0, 0, 0, 'K', 'O', 9, 9}, 0, {Entry("x")}},
        {"empty file", {}, IDS_ERR_010, {}},
        {"fewer than four bytes", {'K', 'O', 'L'}, IDS_ERR_010, {}},
        {"other magic", Bytes{'K', 'O', 'L', 'W', 1, 0, 0, 0, 0, 0, 0, 0}, IDS_ERR_010, {}},
        {"version 2", Bytes{'K', 'O', 'L', 'V', 2, 0, 0, 0, 0, 0, 0, 0}, IDS_ERR_011, {}},
        {"version ends early", {'K', 'O', 'L', 'V', 1, 0}, IDS_ERR_009, {}},
        {"count ends early", Header + Bytes{1, 0}, IDS_ERR_009, {}},
        {"negative count", HeaderWithCount(0xFFFFFFFFu), IDS_ERR_009, {}},
        {"count beyond the file", HeaderWithCount(2147483647) + Bytes(100, 0), IDS_ERR_009, {}},
        // An end inside the entries keeps what was read and the entry count.
        {"end in a field", three + Bytes{1, 'a', 1, 'b', 1, 'c', 1, 'd', 1, 'e', 1, 'f'} +
             Bytes{2, 'g', 'g', 1, 'h', 5, 'i', 'i'},
         IDS_ERR_009, {Entry("a", "b", "c", "d", "e", "f"), Entry("gg", "h"), Entry("")}},
        {"end after an entry", three +
             Bytes{3, 'a', 'b', 'c', 9, 'T', 'i', 't', 'e', 'l', ' ', 'e', 'i', 'n', 0, 0, 0, 0},
         IDS_ERR_009, {Entry("abc", "Titel ein"), Entry(""), Entry("")}},
        // The count is bound by six bytes per entry.
        {"six bytes each", HeaderWithCount(5) + Bytes(30, 0), 0, DiscCollection(5)},
        {"fits, fails in the last field", HeaderWithCount(5) + Bytes(29, 0) + Bytes{5}, IDS_ERR_009,
         DiscCollection(5)},
        {"one entry more than the bytes hold", HeaderWithCount(6) + Bytes(35, 0), IDS_ERR_009, {}},
        {"a megabyte of zeros for a million", HeaderWithCount(1000000) + Bytes(1000000, 0),
         IDS_ERR_009, {}},
        // Lengths beyond the file are refused before allocating.
        {"32-bit length", one + Bytes{1, 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'x'},
         IDS_ERR_009, {Entry("a")}},
        {"wide length", one + Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 'x', 0},
         IDS_ERR_009, {Entry("")}},
        {"one byte more", one + Bytes{1, 'a', 9, 'b', 'c', 'd', 'e', 'f', 'g', 'h'}, IDS_ERR_009,
         {Entry("a")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reporter.errors.clear();
        EXPECT_EQ(Load(c.bytes), c.error == 0 ? 1 : 0);
        EXPECT_EQ(reporter.errors, c.error == 0 ? std::vector<int>{} : std::vector<int>{c.error});
        ExpectLoaded(c.entries);
    }
}

TEST_F(NativeFile, SaveIntoAMissingFolderOrOverAFolderIsError012AndLeavesNoTemporaryFile) {
    EXPECT_EQ(SaveNativeFile(folder.File("fehlt/liste.kvd"), {Entry("x")}, reporter), 0);
    EXPECT_TRUE(FolderContents().empty());

    std::filesystem::create_directory(path);
    kvtest::WriteText(folder.File("liste.kvd/drin.txt"), "bleibt");
    EXPECT_EQ(SaveNativeFile(path, {Entry("x")}, reporter), 0);
    EXPECT_EQ(reporter.errors, (std::vector<int>{IDS_ERR_012, IDS_ERR_012}));
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"liste.kvd"});
    EXPECT_EQ(kvtest::ReadText(folder.File("liste.kvd/drin.txt")), "bleibt");
}

TEST_F(NativeFile, ReadOnlyTargetIsError012AndAReplacedOneKeepsItsPermissions) {
    const Bytes previous = Save({Entry("alt")});
    namespace fs = std::filesystem;
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(path, readOnly);
    EXPECT_EQ(SaveNativeFile(path, {Entry("neu")}, reporter), 0);
    EXPECT_EQ(reporter.errors, std::vector<int>{IDS_ERR_012});
    EXPECT_EQ(kvtest::ReadBytes(path), previous);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, readOnly);
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"liste.kvd"});

    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    const fs::perms before = fs::status(path).permissions();
    Save({Entry("neu")});
    EXPECT_EQ(fs::status(path).permissions(), before);
#ifdef _WIN32
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), kept));
    Save({Entry("neuer")});
    EXPECT_EQ(::GetFileAttributesA(path.c_str()), kept);
#endif
}

TEST_F(NativeFile, FilesBearingTheTemporaryNamesAreLeftAlone) {
    // A file under the first temporary name, a folder under the second.
    kvtest::WriteText(folder.File("liste.kv~"), "eigene Datei");
    std::filesystem::create_directory(folder.File("liste.k~1"));
    EXPECT_EQ(Save({Entry("neu")}), (HeaderWithCount(1) + Bytes{3, 'n', 'e', 'u', 0, 0, 0, 0, 0}));
    EXPECT_EQ(FolderContents(), (std::vector<std::string>{"liste.kvd", "liste.kv~", "liste.k~1"}));
    EXPECT_EQ(kvtest::ReadText(folder.File("liste.kv~")), "eigene Datei");
}

// Also run with every deletion held up (kv_add_slow_delete_test): a save that
// deleted the old file before renaming the new one left the name empty.
TEST_F(NativeFile, TheNameNeverStandsEmptyWhileTheFileIsReplaced) {
    Save({Entry(std::string(10000, 'o'))}); // longer than what replaces it
    if (const char* delay = std::getenv("KV_SLOW_DELETE_MS")) {
        kvtest::WriteText(folder.File("weg"), "");
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(zul::RemoveFile(folder.File("weg")));
        ASSERT_GE(std::chrono::steady_clock::now() - start,
                  std::chrono::milliseconds(std::atoi(delay)));
    }
    std::atomic<bool> saving{true};
    std::atomic<int> looks{0};
    std::atomic<int> missing{0};
    std::thread watcher([&] {
        while (saving) {
            if (zul::KindOfPath(path) == zul::PathKind::Missing)
                ++missing;
            ++looks;
        }
    });
    int saved = 0;
    for (const char* title : {"eins", "zwei", "drei"})
        saved += SaveNativeFile(path, {Entry(title)}, reporter);
    saving = false;
    watcher.join();
    EXPECT_EQ(saved, 3);
    EXPECT_EQ(missing, 0) << "missing in " << missing << " of " << looks << " looks";
    EXPECT_EQ(kvtest::ReadBytes(path),
              (HeaderWithCount(1) + Bytes{4, 'd', 'r', 'e', 'i', 0, 0, 0, 0, 0}));
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"liste.kvd"});
}

#ifndef _WIN32
TEST_F(NativeFile, SaveEndedWhileWritingLeavesTheOldFileAndANameOfTheCollection) {
    const Bytes previous = Save({Entry("alt")});
    const pid_t child = fork();
    if (child == 0) {
        zul::ReplacementFile file(path);
        if (file.Create() && std::fputs("halb geschrieben", file.Stream()) >= 0)
            std::fflush(file.Stream());
        _exit(0);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(FolderContents(), (std::vector<std::string>{"liste.kvd", "liste.kv~"}));
    EXPECT_EQ(kvtest::ReadBytes(path), previous);

    // The next save leaves it too: it may be all that is left of a file.
    Save({Entry("neu")});
    EXPECT_EQ(FolderContents(), (std::vector<std::string>{"liste.kvd", "liste.kv~"}));
    EXPECT_EQ(kvtest::ReadText(folder.File("liste.kv~")), "halb geschrieben");
}
#endif

#ifdef _WIN32
// A folder whose path has exactly this many characters.
std::string FolderOfLength(const kvtest::TempFolder& base, std::size_t length) {
    std::string path = base.Path().string();
    while (path.size() < length) {
        const std::size_t remaining = length - path.size(); // separator and name
        path.push_back('\\');
        path.append(remaining <= 201 ? remaining - 1 : 100, 'd');
        std::filesystem::create_directories(path);
    }
    return path + "\\";
}

TEST_F(NativeFile, SaveAtThePathLengthLimit) {
    // The temporary file must fit beside the longest path the system takes.
    const std::string atLimit = FolderOfLength(folder, zul::MaxWritablePathLength - 6) + "a.kvd";
    ASSERT_EQ(atLimit.size(), zul::MaxWritablePathLength);
    EXPECT_EQ(SaveNativeFile(atLimit, {Entry("x")}, reporter), 1);
    EXPECT_EQ(SaveNativeFile(atLimit, {Entry("y")}, reporter), 1);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_EQ(kvtest::ReadBytes(atLimit).size(), 19u);
    EXPECT_EQ(NamesIn(atLimit.substr(0, atLimit.size() - 5)), std::vector<std::string>{"a.kvd"});

    // One character more is refused before anything is written.
    const std::string beyond = FolderOfLength(folder, zul::MaxWritablePathLength - 5) + "a.kvd";
    EXPECT_EQ(SaveNativeFile(beyond, {Entry("x")}, reporter), 0);
    EXPECT_EQ(reporter.errors, std::vector<int>{IDS_ERR_012});
    EXPECT_TRUE(NamesIn(beyond.substr(0, beyond.size() - 5)).empty());
}
#endif

TEST_F(NativeFile, FailedWriteIsError013AndKeepsPreviousFile) {
    const Bytes previous = Save({Entry("alt", "bleibt")});
    kvtest::FileSizeLimit limit;
    if (limit.Bytes() == 0)
        GTEST_SKIP() << "no file size limit in force (the Wine run sets one in its own test)";
    const DiscCollection large(8, Entry("", "", "", "", std::string(limit.Bytes() / 4, 't')));
    EXPECT_EQ(SaveNativeFile(path, large, reporter), 0);
    EXPECT_EQ(reporter.errors, std::vector<int>{IDS_ERR_013});
    EXPECT_EQ(kvtest::ReadBytes(path), previous);
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"liste.kvd"});
}
