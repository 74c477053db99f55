#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace zul {

// Reads or writes an open file, from its beginning, through a buffer of 4096
// bytes. After the first failure every further call fails too, so a caller may
// check once at the end.
class FileArchive {
public:
    enum class Mode { Load, Store };
    static constexpr std::size_t BufferSize = 4096;

    FileArchive(std::FILE* file, Mode mode);
    FileArchive(const FileArchive&) = delete;
    FileArchive& operator=(const FileArchive&) = delete;

    bool IsLoading() const { return mode_ == Mode::Load; }

    // Exactly count bytes, or false: the data ended early (AtEnd) or the file
    // could not be read.
    bool Read(void* data, std::size_t count);
    // Exactly count bytes as the new content of text, or false like Read. A
    // text that lies in the buffer is copied from there at once, without
    // first filling the string with zeros.
    bool ReadText(std::string& text, std::size_t count);
    // False when a buffer full could not be handed to the file.
    bool Write(const void* data, std::size_t count);
    // Hands the buffered bytes to the file and flushes the stream.
    bool Flush();

    bool Failed() const { return failed_; }
    // The last Read failed because the file had no more bytes.
    bool AtEnd() const { return atEnd_; }
    // Bytes of the file not read yet; 0 when the file's length is unknown, so
    // that sizes read from the file are never trusted beyond what is there.
    std::uint64_t BytesLeft() const { return bytesLeft_; }

private:
    bool Fill();
    bool Drain();

    std::FILE* file_;
    Mode mode_;
    unsigned char buffer_[BufferSize];
    std::size_t position_ = 0; // next byte of buffer_ to read or write
    std::size_t filled_ = 0;   // bytes of buffer_ holding read data
    std::uint64_t bytesLeft_ = 0;
    bool failed_ = false;
    bool atEnd_ = false;
};

} // namespace zul
