#include "support/FileArchive.h"

#include "support/FileSystem.h"

#include <algorithm>
#include <cstring>

namespace zul {

FileArchive::FileArchive(std::FILE* file, Mode mode) : file_(file), mode_(mode) {
    if (mode == Mode::Load) {
        std::int64_t length = FileLength(file);
        bytesLeft_ = length > 0 ? static_cast<std::uint64_t>(length) : 0;
    }
}

bool FileArchive::Fill() {
    position_ = 0;
    filled_ = std::fread(buffer_, 1, BufferSize, file_);
    return filled_ > 0;
}

bool FileArchive::Read(void* data, std::size_t count) {
    if (failed_ || mode_ != Mode::Load) {
        failed_ = true;
        return false;
    }
    auto* target = static_cast<unsigned char*>(data);
    while (count > 0) {
        if (position_ == filled_) {
            // A large block goes straight from the file into place, the rest
            // through the buffer.
            if (count >= BufferSize) {
                std::size_t got = std::fread(target, 1, count, file_);
                target += got;
                count -= got;
                bytesLeft_ = got < bytesLeft_ ? bytesLeft_ - got : 0;
                if (count == 0)
                    break;
            }
            if (!Fill()) {
                atEnd_ = std::feof(file_) != 0 && std::ferror(file_) == 0;
                failed_ = true;
                return false;
            }
        }
        std::size_t chunk = std::min(count, filled_ - position_);
        std::memcpy(target, buffer_ + position_, chunk);
        position_ += chunk;
        target += chunk;
        count -= chunk;
        bytesLeft_ = chunk < bytesLeft_ ? bytesLeft_ - chunk : 0;
    }
    return true;
}

bool FileArchive::ReadText(std::string& text, std::size_t count) {
    if (!failed_ && mode_ == Mode::Load && count <= filled_ - position_) {
        text.assign(reinterpret_cast<const char*>(buffer_ + position_), count);
        position_ += count;
        bytesLeft_ = count < bytesLeft_ ? bytesLeft_ - count : 0;
        return true;
    }
    text.resize(count);
    return count == 0 || Read(text.data(), count);
}

bool FileArchive::Drain() {
    if (position_ > 0 && std::fwrite(buffer_, 1, position_, file_) != position_)
        failed_ = true;
    position_ = 0;
    return !failed_;
}

bool FileArchive::Write(const void* data, std::size_t count) {
    if (failed_ || mode_ != Mode::Store) {
        failed_ = true;
        return false;
    }
    const auto* source = static_cast<const unsigned char*>(data);
    while (count > 0) {
        if (position_ == BufferSize && !Drain())
            return false;
        std::size_t chunk = std::min(count, BufferSize - position_);
        std::memcpy(buffer_ + position_, source, chunk);
        position_ += chunk;
        source += chunk;
        count -= chunk;
    }
    return true;
}

bool FileArchive::Flush() {
    if (failed_ || mode_ != Mode::Store) {
        failed_ = true;
        return false;
    }
    if (!Drain() || std::fflush(file_) != 0)
        failed_ = true;
    return !failed_;
}

} // namespace zul
