#include "support/PathName.h"

#include <gtest/gtest.h>

#include <filesystem>

using zul::PathName;

namespace {

std::string CurrentFolder() {
    return std::filesystem::current_path().string();
}

const char separator = static_cast<char>(std::filesystem::path::preferred_separator);

} // namespace

TEST(PathName, SplitsDriveFolderBaseNameAndExtension) {
    const struct {
        const char* path;
        const char* drive;
        const char* folder;
        const char* baseName;
        const char* extension;
    } cases[] = {
        {"C:\\Daten\\liste.kvd", "C:", "\\Daten\\", "liste", ".kvd"},
        {"a.b.kvd", "", "", "a.b", ".kvd"}, // the extension starts at the last dot
        {"D:mixed/ordner.alt\\name", "D:", "mixed/ordner.alt\\", "name", ""},
        {"/home/user/.profile", "", "/home/user/", "", ".profile"},
        {"1:\\x", "", "1:\\", "x", ""}, // no letter, so no drive
    };
    PathName path; // one object: each split replaces every part
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        path.Split(c.path);
        EXPECT_EQ(path.GetDrive(), c.drive);
        EXPECT_EQ(path.GetFolder(), c.folder);
        EXPECT_EQ(path.GetBaseName(), c.baseName);
        EXPECT_EQ(path.GetExtension(), c.extension);
    }
}

TEST(PathName, ComposeAddsDotAndLeavesEmptyPartsOut) {
    PathName path("C:\\Daten\\liste.kvd");
    path.SetExtension(".ini");
    EXPECT_EQ(path.Compose(), "C:\\Daten\\liste.ini");
    path.SetExtension("");
    EXPECT_EQ(path.Compose(), "C:\\Daten\\liste");
    path.SetExtension("chm");
    EXPECT_EQ(path.Compose(), "C:\\Daten\\liste.chm");
    path.Split("");
    EXPECT_EQ(path.Compose(), "");
    path.SetBaseName("neu");
    EXPECT_EQ(path.Compose(), "neu");
}

TEST(PathName, LongPartsAreKeptWhole) {
    const std::string folder = "\\" + std::string(600, 'f') + "\\";
    const std::string base(1000, 'b');
    const std::string extension = "." + std::string(300, 'e');
    PathName path("C:" + folder + base + extension);
    EXPECT_EQ(path.GetFolder(), folder);
    EXPECT_EQ(path.GetBaseName(), base);
    EXPECT_EQ(path.GetExtension(), extension);
    path.SetBaseName(std::string(2000, 'n'));
    EXPECT_EQ(path.Compose(), "C:" + folder + std::string(2000, 'n') + extension);
}

TEST(PathName, FullPathOfPlainNameLiesInCurrentFolder) {
    PathName path("liste.kvd");
    EXPECT_EQ(path.FullPath(), CurrentFolder() + separator + "liste.kvd");
    EXPECT_EQ(path.FolderOf(), CurrentFolder() + separator);
}

TEST(PathName, FullPathResolvesDotAndDotDot) {
    PathName path("unter/../x/./y.txt");
    EXPECT_EQ(path.FullPath(), CurrentFolder() + separator + "x" + separator + "y.txt");
    PathName empty;
    EXPECT_EQ(empty.FullPath(), "");
    EXPECT_EQ(empty.FolderOf(), "");
}

TEST(PathName, FullPathOfLongNameIsWholeOrNothing) {
    const std::string base(400, 'n');
    PathName path(base + ".kvd");
    const std::string expected = CurrentFolder() + separator + base + ".kvd";
#ifdef _WIN32
    // The ANSI functions may refuse names beyond MAX_PATH; a cut name never comes back.
    const std::string full = path.FullPath();
    EXPECT_TRUE(full.empty() || full == expected) << full;
#else
    EXPECT_EQ(path.FullPath(), expected);
#endif
}

TEST(PathName, FolderOfAbsolutePath) {
#ifdef _WIN32
    PathName path("C:\\Programme\\Kolvane\\..\\Kolvane\\Kolvane.exe");
    EXPECT_EQ(path.FullPath(), "C:\\Programme\\Kolvane\\Kolvane.exe");
    EXPECT_EQ(path.FolderOf(), "C:\\Programme\\Kolvane\\");
#else
    PathName path("/opt/kolvane/../kolvane/Kolvane.exe");
    EXPECT_EQ(path.FullPath(), "/opt/kolvane/Kolvane.exe");
    EXPECT_EQ(path.FolderOf(), "/opt/kolvane/");
    PathName root("/../..");
    EXPECT_EQ(root.FullPath(), "/");
#endif
}

TEST(PathName, StoredFoldersAlwaysEndInABackslash) {
    EXPECT_EQ(zul::WithTrailingBackslash("C:\\Daten"), "C:\\Daten\\");
    EXPECT_EQ(zul::WithTrailingBackslash("C:\\Daten\\"), "C:\\Daten\\");
    EXPECT_EQ(zul::WithTrailingBackslash("."), ".\\");
    EXPECT_EQ(zul::WithTrailingBackslash(""), "\\");
}
