#include "exchange/TextLineReader.h"

#include "support/FileSystem.h"

#include <cstring>

namespace kolvane {

namespace {
constexpr size_t ChunkSize = 65536;
constexpr char EndOfText = 26;
} // namespace

TextLineReader::~TextLineReader() {
    Close();
}

bool TextLineReader::Open(const std::string& path) {
    Close();
    // The C library opens files without denying others reading or writing.
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return false;
    buffer_.resize(ChunkSize);
    const std::int64_t length = zul::FileLength(file_);
    length_ = length > 0 ? static_cast<std::uint64_t>(length) : 0;
    read_ = 0;
    begin_ = end_ = 0;
    atEnd_ = failed_ = false;
    return true;
}

void TextLineReader::Close() {
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

bool TextLineReader::FillBuffer() {
    begin_ = end_ = 0;
    if (!file_ || atEnd_)
        return false;
    size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    read_ += got;
    // A file that grew while it was read is done when it is done.
    if (progress_ != nullptr && got > 0)
        progress_->Advance(read_, read_ > length_ ? read_ : length_);
    if (got == 0) {
        failed_ = std::ferror(file_) != 0;
        atEnd_ = true;
        return false;
    }
    const void* stop = std::memchr(buffer_.data(), EndOfText, got);
    if (stop) {
        got = static_cast<size_t>(static_cast<const char*>(stop) - buffer_.data());
        atEnd_ = true;
    }
    end_ = got;
    return got > 0;
}

TextLineReader::Result TextLineReader::ReadLine(std::string& line) {
    line.clear();
    bool started = false;
    for (;;) {
        if (begin_ == end_ && !FillBuffer()) {
            if (failed_)
                return Result::Failed;
            return started ? Result::Line : Result::End;
        }
        const char* start = buffer_.data() + begin_;
        size_t available = end_ - begin_;
        const char* lf = static_cast<const char*>(std::memchr(start, '\n', available));
        if (!lf) {
            line.append(start, available);
            begin_ = end_;
            started = true;
            continue;
        }
        line.append(start, static_cast<size_t>(lf - start));
        begin_ += static_cast<size_t>(lf - start) + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return Result::Line;
    }
}

} // namespace kolvane
