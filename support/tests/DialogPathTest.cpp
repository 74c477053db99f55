#include "support/DialogPath.h"

#include <gtest/gtest.h>

TEST(DialogPath, IsWhatTheFileDialogBuildsFromFolderAndTypedName) {
    struct Case {
        const char* folder;
        const char* typed;
        const char* extension;
        const char* path;
    };
    const Case cases[] = {
        {"C:\\Daten", "liste", "kvd", "C:\\Daten\\liste.kvd"},
        {"C:\\Daten\\", "liste.alt", "kvd", "C:\\Daten\\liste.alt"},
        {"C:\\Daten", "liste", "", "C:\\Daten\\liste"},
        {"C:\\Daten", "..\\a.b\\liste", "kvd", "C:\\Daten\\..\\a.b\\liste.kvd"},
        {"C:\\Daten", "D:\\x\\y.kvd", "kvd", "D:\\x\\y.kvd"},
        {"C:\\Daten", "\\x\\y", "kvd", "C:\\x\\y.kvd"},
        {"Z:\\tmp", "a/b", "kvd", "Z:\\tmp\\a/b.kvd"},
        {"", "y", "kvd", "\\y.kvd"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zul::DialogPath(c.folder, c.typed, c.extension), c.path) << c.typed;
}
