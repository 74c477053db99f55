#pragma once

#include "support/MessageReporter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kvtest {

// A fresh temporary folder, removed with its contents when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const;

private:
    std::filesystem::path path_;
};

std::vector<unsigned char> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);

// Keeps the ids of the messages the code under test raised, in order.
class RecordingReporter : public zul::MessageReporter {
public:
    void ReportError(int messageId) override { errors.push_back(messageId); }
    void ReportWarning(int messageId) override { warnings.push_back(messageId); }

    std::vector<int> errors;
    std::vector<int> warnings;
};

} // namespace kvtest
