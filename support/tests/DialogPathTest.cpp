#include "support/DialogPath.h"

#include <gtest/gtest.h>

TEST(DialogPath, IsWhatTheFileDialogBuildsFromFolderAndTypedName) {
    // folder, typed name, default extension, path
    const char* const cases[][4] = {
        {"C:\\Daten", "liste", "kvd", "C:\\Daten\\liste.kvd"},
        {"C:\\Daten\\", "liste.alt", "kvd", "C:\\Daten\\liste.alt"},
        {"C:\\Daten", "liste", "", "C:\\Daten\\liste"},
        {"C:\\Daten", "..\\a.b\\liste", "kvd", "C:\\Daten\\..\\a.b\\liste.kvd"},
        {"C:\\Daten", "D:\\x\\y.kvd", "kvd", "D:\\x\\y.kvd"},
        {"C:\\Daten", "\\x\\y", "kvd", "C:\\x\\y.kvd"},
        {"Z:\\tmp", "a/b", "kvd", "Z:\\tmp\\a/b.kvd"},
        {"", "y", "kvd", "\\y.kvd"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zul::DialogPath(c[0], c[1], c[2]), c[3]) << c[1];
}
