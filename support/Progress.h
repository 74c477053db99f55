#pragma once

#include <cstdint>

namespace zul {

// Told how far a long file operation has come, so that the window waiting for
// it can show that: done rises from 0 to total, in units of the operation's
// choosing (bytes read, entries written). Whatever it does, the operation
// goes on.
class Progress {
public:
    virtual void Advance(std::uint64_t done, std::uint64_t total) = 0;

protected:
    ~Progress() = default;
};

} // namespace zul
