#pragma once

#include "core/DiscEntry.h"
#include "support/MessageReporter.h"
#include "support/Progress.h"

#include <string>

namespace kolvane {

// Base of the file importers that fill the import window. The entries stay
// empty until an import succeeds: a failed import leaves nothing to take.
class DiscImporter {
public:
    explicit DiscImporter(zul::MessageReporter& reporter) : reporter_(reporter) {}
    virtual ~DiscImporter() = default;
    DiscImporter(const DiscImporter&) = delete;
    DiscImporter& operator=(const DiscImporter&) = delete;

    // True when the whole source was read; a failure has been reported.
    virtual bool Import(const std::string& path) = 0;

    // Told how far the source has been read.
    void SetProgress(zul::Progress* progress) { progress_ = progress; }

    const DiscCollection& Entries() const { return entries_; }
    DiscCollection& Entries() { return entries_; }

protected:
    zul::MessageReporter& Reporter() { return reporter_; }

    DiscCollection entries_;
    zul::Progress* progress_ = nullptr;

private:
    zul::MessageReporter& reporter_;
};

} // namespace kolvane
