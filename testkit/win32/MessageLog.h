#pragma once

// Records messages as the windows of this thread receive them, in the manner
// of Wine's own control tests: a test states the expected sequence as data
// ("1000 WM_WINDOWPOSCHANGED", ...) and the whole log prints on a mismatch.
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

    // "<control id> <message name>" per recorded message, in order.
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }

    // Moves and resizes of the direct children of parent (WM_WINDOWPOSCHANGED
    // that changed the place or the size).
    static Filter ChildMoves(HWND parent);

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    Filter filter_;
    HHOOK hook_ = nullptr;
    std::vector<std::string> lines_;
};

} // namespace kvtest
