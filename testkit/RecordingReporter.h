#pragma once

#include "support/MessageReporter.h"

#include <vector>

namespace kvtest {

// Keeps the ids of the messages the code under test raised, in order.
class RecordingReporter : public zul::MessageReporter {
public:
    void ReportError(int messageId) override { errors.push_back(messageId); }
    void ReportWarning(int messageId) override { warnings.push_back(messageId); }

    std::vector<int> errors;
    std::vector<int> warnings;
};

} // namespace kvtest
