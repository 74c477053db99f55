#include "resources/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Load(UINT id) {
    char buffer[512] = {};
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
    return std::string(buffer, static_cast<size_t>(length));
}

} // namespace

TEST(StringTable, UmlautsArriveAsSingleCodePage1252Bytes) {
    EXPECT_EQ(Load(IDS_ERR_008), "FEHLER 008: Datei kann nicht zum Lesen ge\xF6" "ffnet werden.");
    EXPECT_EQ(Load(IDS_STATUS_FORMAT), "%d Eintr\xE4ge, %d ausgew\xE4hlt");
    EXPECT_EQ(Load(IDS_CLOSE_BUTTON), "Schlie\xDF" "en");
}

TEST(StringTable, LineFeedsInWarningTextAreSingleCharacters) {
    const std::string text = Load(IDS_WARN_501);
    EXPECT_NE(text.find("vorhanden.\n\nDer Export"), std::string::npos) << text;
}

TEST(StringTable, ApplicationTitleAndPlaceholder) {
    EXPECT_EQ(Load(IDS_APP_TITLE), "Kolvane-Verwaltung");
    EXPECT_EQ(Load(IDS_PLACEHOLDER), "<ohne>");
}
