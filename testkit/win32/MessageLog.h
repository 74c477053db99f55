#pragma once

// Records messages as the windows of this thread receive them.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace kvtest {

class MessageLog {
public:
    // Which messages to record; the others pass unseen.
    using Filter = std::function<bool(HWND window, UINT message, WPARAM, LPARAM)>;

    explicit MessageLog(Filter filter);
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
    ~MessageLog();

    // "<control id> <message number>" per recorded message, in order.
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    Filter filter_;
    HHOOK hook_ = nullptr;
    std::vector<std::string> lines_;
};

} // namespace kvtest
