#include "support/win32/RegistrySettingsStore.h"

#include "testkit/win32/TestApp.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <utility>
#include <vector>

namespace {

using zul::Windows::RegistrySettingsStore;

// A base key of this test's own, removed with everything beneath it.
class RegistryStore : public ::testing::Test {
protected:
    ~RegistryStore() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + base).c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + base).c_str());
    }

    struct Raw {
        DWORD type = REG_NONE;
        std::vector<unsigned char> bytes;
    };
    std::string Key(const char* section) const { return "Software\\" + base + "\\" + section; }
    Raw Query(const char* section, const char* value) const {
        Raw raw;
        DWORD size = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, Key(section).c_str(), value, RRF_RT_ANY, &raw.type,
                           nullptr, &size) == ERROR_SUCCESS) {
            raw.bytes.resize(size);
            ::RegGetValueA(HKEY_CURRENT_USER, Key(section).c_str(), value, RRF_RT_ANY, &raw.type,
                           raw.bytes.data(), &size);
        }
        return raw;
    }
    void SetRaw(const char* section, const char* value, DWORD type,
                const std::vector<unsigned char>& bytes) const {
        ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, Key(section).c_str(), value, type,
                                    bytes.data(), static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }

    std::string base = kvtest::TestRegistryBase("Store");
};

TEST_F(RegistryStore, EveryKindIsWrittenWithItsValueTypeAndSizeAndDeleted) {
    RegistrySettingsStore store(base);
    EXPECT_FALSE(store.IsOpen());
    ASSERT_TRUE(store.OpenSection("MainDlg"));
    const int widths[2] = {120, -1};
    const unsigned char bytes[3] = {1, 2, 3};
    EXPECT_TRUE(store.PutString("WorkDir", "C:\\M\xFCsik\\"));
    EXPECT_TRUE(store.PutBool("Grid", true));
    EXPECT_TRUE(store.PutInt("Sort", -2));
    EXPECT_TRUE(store.PutIntList("Columns", 2, widths));
    EXPECT_TRUE(store.PutBinary("Placement", 3, bytes));
    store.CloseSection();

    // Texts as REG_SZ, everything else as little-endian binary of its size.
    const std::vector<std::pair<const char*, Raw>> stored = {
        {"WorkDir", {REG_SZ, {'C', ':', '\\', 'M', 0xFC, 's', 'i', 'k', '\\', 0}}},
        {"Grid", {REG_BINARY, {1}}},
        {"Sort", {REG_BINARY, {0xFE, 0xFF, 0xFF, 0xFF}}},
        {"Columns", {REG_BINARY, {120, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}}},
        {"Placement", {REG_BINARY, {1, 2, 3}}},
    };
    for (const auto& [name, expected] : stored) {
        const Raw raw = Query("MainDlg", name);
        EXPECT_EQ(raw.type, expected.type) << name;
        EXPECT_EQ(raw.bytes, expected.bytes) << name;
    }

    RegistrySettingsStore again(base);
    ASSERT_TRUE(again.OpenSection("MainDlg"));
    EXPECT_EQ(again.GetString("WorkDir", ""), "C:\\M\xFCsik\\");
    EXPECT_EQ(again.GetInt("Sort", 0), -2); // the other kinds: next case

    ASSERT_TRUE(store.OpenSection("A"));
    EXPECT_TRUE(store.PutInt("x", 1));
    EXPECT_TRUE(store.PutInt("y", 2));
    EXPECT_TRUE(store.DeleteValue("x"));
    EXPECT_EQ(store.GetInt("x", -1), -1);
    ASSERT_TRUE(store.OpenSection("B")); // opening closes A first
    EXPECT_TRUE(store.PutInt("z", 3));
    ASSERT_TRUE(store.OpenSection("A"));
    EXPECT_EQ(store.GetInt("y", -1), 2);
    EXPECT_EQ(store.GetInt("z", -1), -1);
    store.CloseSection();

    SetRaw("B\\Unter", "w", REG_BINARY, {1});
    EXPECT_TRUE(store.DeleteSection("B"));
    HKEY gone = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, Key("B").c_str(), 0, KEY_READ, &gone),
              ERROR_SUCCESS);
    EXPECT_EQ(Query("A", "y").bytes.size(), 4u);
    EXPECT_FALSE(store.PutInt("x", 1)) << "nothing is written while no section is open";
}

TEST_F(RegistryStore, ValuesOfAnotherTypeOrSizeReadAsTheDefault) {
    SetRaw("S", "Dword", REG_DWORD, {5, 0, 0, 0});
    SetRaw("S", "ShortInt", REG_BINARY, {5, 0});
    SetRaw("S", "AnyByte", REG_BINARY, {7});
    SetRaw("S", "List", REG_BINARY, {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0});
    SetRaw("S", "Bytes", REG_BINARY, {9, 9});
    RegistrySettingsStore store(base);
    ASSERT_TRUE(store.OpenSection("S"));
    EXPECT_EQ(store.GetInt("Dword", 42), 42);
    EXPECT_EQ(store.GetInt("ShortInt", 42), 42);
    EXPECT_TRUE(store.GetBool("AnyByte", false));
    EXPECT_FALSE(store.GetBool("Dword", false));
    EXPECT_EQ(store.GetString("AnyByte", "weg"), "weg");
    EXPECT_EQ(store.GetInt("Missing", -7), -7);

    const int defaults[2] = {10, 20};
    int list[2] = {};
    store.GetIntList("List", 2, defaults, list); // three ints stored, two wanted
    EXPECT_EQ(std::to_array(list), (std::array<int, 2>{10, 20}));
    int same[3] = {4, 5, 6};
    store.GetIntList("Missing", 3, same, same); // the default in place stays
    EXPECT_EQ(std::to_array(same), (std::array<int, 3>{4, 5, 6}));
    store.GetIntList("List", 3, same, same);
    EXPECT_EQ(std::to_array(same), (std::array<int, 3>{1, 2, 3}));

    const unsigned char byteDefaults[3] = {0xA, 0xB, 0xC};
    unsigned char block[3] = {};
    store.GetBinary("Bytes", 3, byteDefaults, block);
    EXPECT_EQ(std::to_array(block), (std::array<unsigned char, 3>{0xA, 0xB, 0xC}));
}

} // namespace
