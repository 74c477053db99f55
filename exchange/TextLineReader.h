#pragma once

#include "support/Progress.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kolvane {

// Reads a text file line by line as the system's text mode would present it:
// a line ends with LF or CR LF (the CR of a CR LF is not part of the line),
// the last line counts also without a line end, a byte 26 (Ctrl-Z) ends the
// text, and a line may be of any length. Other programs may read and write
// the file while it is open.
class TextLineReader {
public:
    enum class Result { Line, End, Failed };

    TextLineReader() = default;
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    bool Open(const std::string& path);
    // Told of the bytes read so far, of the file's length, at each block read.
    void SetProgress(zul::Progress* progress) { progress_ = progress; }
    void Close();

    // Line: the next line is in line. End: no more lines. Failed: the file
    // could not be read; nothing more comes.
    Result ReadLine(std::string& line);

private:
    bool FillBuffer();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    zul::Progress* progress_ = nullptr;
    std::uint64_t length_ = 0;
    std::uint64_t read_ = 0;
};

} // namespace kolvane
