#include "support/PathName.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using zul::PathName;

TEST(PathName, SplitsDriveFolderBaseNameAndExtension) {
    const char* const cases[][5] = {
        // path, drive, folder, base name, extension
        {"C:\\Daten\\liste.kvd", "C:", "\\Daten\\", "liste", ".kvd"},
        {"a.b.kvd", "", "", "a.b", ".kvd"}, // the extension starts at the last dot
        {"D:mixed/ordner.alt\\name", "D:", "mixed/ordner.alt\\", "name", ""},
        {"/home/user/.profile", "", "/home/user/", "", ".profile"},
        {"1:\\x", "", "1:\\", "x", ""}, // no letter, so no drive
    };
    PathName path; // one object: each split replaces every part
    for (const auto& c : cases) {
        path.Split(c[0]);
        const std::vector<std::string> parts{path.GetDrive(), path.GetFolder(), path.GetBaseName(),
                                             path.GetExtension()};
        EXPECT_EQ(parts, (std::vector<std::string>{c[1], c[2], c[3], c[4]})) << c[0];
    }
}

TEST(PathName, ComposeAddsDotLeavesEmptyPartsOutAndKeepsLongPartsWhole) {
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

    const std::string folder = "\\" + std::string(600, 'f') + "\\";
    const std::string extension = "." + std::string(300, 'e');
    path.Split("C:" + folder + std::string(1000, 'b') + extension);
    EXPECT_EQ(path.GetBaseName(), std::string(1000, 'b'));
    path.SetBaseName(std::string(2000, 'n'));
    EXPECT_EQ(path.Compose(), "C:" + folder + std::string(2000, 'n') + extension);
}

TEST(PathName, FullPathLiesInTheCurrentFolderAndResolvesDotAndDotDot) {
    const std::string current = std::filesystem::current_path().string();
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    PathName plain("liste.kvd");
    EXPECT_EQ(plain.FullPath(), current + separator + "liste.kvd");
    EXPECT_EQ(plain.FolderOf(), current + separator);
    PathName dots("unter/../x/./y.txt");
    EXPECT_EQ(dots.FullPath(), current + separator + "x" + separator + "y.txt");
    PathName empty;
    EXPECT_EQ(empty.FullPath(), "");
    EXPECT_EQ(empty.FolderOf(), "");

    const std::string base(400, 'n');
    const std::string full = PathName(base + ".kvd").FullPath();
#ifdef _WIN32
    // The ANSI functions may refuse names beyond MAX_PATH; a cut name never comes back.
    EXPECT_TRUE(full.empty() || full == current + separator + base + ".kvd") << full;
    PathName absolute("C:\\Programme\\Kolvane\\..\\Kolvane\\Kolvane.exe");
    EXPECT_EQ(absolute.FullPath(), "C:\\Programme\\Kolvane\\Kolvane.exe");
    EXPECT_EQ(absolute.FolderOf(), "C:\\Programme\\Kolvane\\");
#else
    EXPECT_EQ(full, current + separator + base + ".kvd");
    PathName absolute("/opt/kolvane/../kolvane/Kolvane.exe");
    EXPECT_EQ(absolute.FullPath(), "/opt/kolvane/Kolvane.exe");
    EXPECT_EQ(absolute.FolderOf(), "/opt/kolvane/");
    EXPECT_EQ(PathName("/../..").FullPath(), "/");
#endif
}

TEST(PathName, StoredFoldersAlwaysEndInABackslash) {
    EXPECT_EQ(zul::WithTrailingBackslash("C:\\Daten"), "C:\\Daten\\");
    EXPECT_EQ(zul::WithTrailingBackslash("C:\\Daten\\"), "C:\\Daten\\");
    EXPECT_EQ(zul::WithTrailingBackslash("."), ".\\");
    EXPECT_EQ(zul::WithTrailingBackslash(""), "\\");
}
