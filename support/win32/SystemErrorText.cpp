#include "support/win32/SystemErrorText.h"

namespace zul::Windows {

namespace {

std::string FormatSystemMessage(DWORD code, DWORD language) {
    char* text = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, language, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result;
    if (length != 0 && text != nullptr)
        result.assign(text, length);
    LocalFree(text);
    return result;
}

} // namespace

std::string SystemErrorText(DWORD code) {
    std::string text = FormatSystemMessage(code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT));
    // A system without the message in the user's language still has it in
    // some language; any text says more than none.
    if (text.empty())
        text = FormatSystemMessage(code, 0);
    size_t end = text.find_last_not_of(" \t\r\n");
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

} // namespace zul::Windows
