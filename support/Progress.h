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

// One of count equal parts of an operation told to the whole: part 0 of 2
// (reading a file) is the first half, part 1 (showing what was read) the
// second.
class ProgressPart : public Progress {
public:
    ProgressPart(Progress* whole, int index, int count)
        : whole_(whole), index_(static_cast<std::uint64_t>(index)),
          count_(static_cast<std::uint64_t>(count)) {}
    void Advance(std::uint64_t done, std::uint64_t total) override {
        if (whole_ != nullptr)
            whole_->Advance(index_ * total + done, count_ * total);
    }
    // For the calls that take an optional progress: none without a whole.
    Progress* Get() { return whole_ != nullptr ? this : nullptr; }

private:
    Progress* whole_;
    std::uint64_t index_;
    std::uint64_t count_;
};

} // namespace zul
