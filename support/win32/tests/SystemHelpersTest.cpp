#include "support/win32/DebugTrace.h"
#include "support/win32/FitText.h"
#include "support/win32/SystemErrorText.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zul::Windows;

TEST(SystemErrorText, KnownCodeWithoutTrailingLineBreak) {
    const std::string text = SystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    EXPECT_NE(text.back(), ' ') << text;
    EXPECT_NE(text, SystemErrorText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(SystemErrorText(0x2FFFFFFF), "");
}

namespace {

// What a debugger receives: OutputDebugStringA raises this exception, a vectored handler sees it.
std::vector<std::string>* tracedTexts = nullptr;

LONG CALLBACK CatchDebugString(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (tracedTexts != nullptr && record->ExceptionCode == DBG_PRINTEXCEPTION_C &&
        record->NumberParameters >= 2) {
        const auto length = static_cast<size_t>(record->ExceptionInformation[0]);
        const auto* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
        tracedTexts->emplace_back(text, length > 0 ? length - 1 : 0);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

TEST(DebugTrace, FormatsAnyLengthToTheDebuggerOutput) {
    std::vector<std::string> texts;
    tracedTexts = &texts;
    void* handler = AddVectoredExceptionHandler(1, CatchDebugString);
    ASSERT_NE(handler, nullptr);
    const std::string longText(20000, 'x');
    DebugTrace("%d Eintr\xE4ge in %s\n", 42, "liste.kvd");
    DebugTrace("[%s]", longText.c_str());
    RemoveVectoredExceptionHandler(handler);
    tracedTexts = nullptr;

    EXPECT_EQ(texts,
              (std::vector<std::string>{"42 Eintr\xE4ge in liste.kvd\n", "[" + longText + "]"}));
}

TEST(FitText, LongestPrefixThatFitsInTheDeviceContextsFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    auto width = [dc](const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    const std::string text = "Wolfgang Amadeus Mozart: Die Zauberfl\xF6te";
    const int maxWidth = width(text) / 2;
    const std::string fitted = FitText(dc, text, maxWidth);
    const size_t kept = fitted.size() - 3;
    EXPECT_EQ(fitted, text.substr(0, kept) + "...");
    EXPECT_LE(width(fitted), maxWidth);
    EXPECT_GT(width(text.substr(0, kept + 1) + "..."), maxWidth);
    SelectObject(dc, previous);
    DeleteDC(dc);
}
