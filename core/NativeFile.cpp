#include "core/NativeFile.h"

#include "resources/resource.h"
#include "support/CodePage1252.h"
#include "support/ReplacementFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

namespace kolvane {

using zul::FileArchive;

namespace {

const unsigned char Magic[4] = {'K', 'O', 'L', 'V'};
const std::uint32_t FormatVersion = 1;

// Length prefixes: one byte below 255, else 0xFF and 16 bits below 65534, else
// 0xFF 0xFFFF and 32 bits. 0xFF 0xFFFE announces UTF-16 text.
const unsigned char LongLength = 0xFF;
const std::uint16_t WideMarker = 0xFFFE;
const std::uint16_t HugeLength = 0xFFFF;

// The smallest entry: six empty strings of one length byte each.
const std::uint64_t MinimumEntrySize = DiscEntry::FieldCount;

bool ExchangeBytes(FileArchive& archive, void* data, std::size_t count) {
    return archive.IsLoading() ? archive.Read(data, count) : archive.Write(data, count);
}

bool ReadUInt16(FileArchive& archive, std::uint16_t& value) {
    unsigned char bytes[2];
    if (!archive.Read(bytes, 2))
        return false;
    value = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
    return true;
}

bool ReadUInt32(FileArchive& archive, std::uint32_t& value) {
    unsigned char bytes[4];
    if (!archive.Read(bytes, 4))
        return false;
    value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
            static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return true;
}

void PutUInt16(unsigned char* bytes, std::uint32_t value) {
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8);
}

void PutUInt32(unsigned char* bytes, std::uint32_t value) {
    PutUInt16(bytes, value);
    PutUInt16(bytes + 2, value >> 16);
}

bool ExchangeUInt32(FileArchive& archive, std::uint32_t& value) {
    if (archive.IsLoading())
        return ReadUInt32(archive, value);
    unsigned char bytes[4];
    PutUInt32(bytes, value);
    return archive.Write(bytes, 4);
}

bool WriteString(FileArchive& archive, const std::string& text) {
    if (text.size() > UINT32_MAX)
        return false;
    const auto length = static_cast<std::uint32_t>(text.size());
    unsigned char prefix[7];
    std::size_t prefixSize;
    if (length < LongLength) {
        prefix[0] = static_cast<unsigned char>(length);
        prefixSize = 1;
    } else if (length < WideMarker) {
        prefix[0] = LongLength;
        PutUInt16(prefix + 1, length);
        prefixSize = 3;
    } else {
        prefix[0] = LongLength;
        PutUInt16(prefix + 1, HugeLength);
        PutUInt32(prefix + 3, length);
        prefixSize = 7;
    }
    return archive.Write(prefix, prefixSize) && archive.Write(text.data(), length);
}

// Any 16-bit length is taken, also one below 255. After the wide marker the
// count of code units follows in the same form; a second marker there is
// simply the length 65534.
bool ReadLength(FileArchive& archive, std::uint32_t& length, bool& wide) {
    wide = false;
    for (;;) {
        unsigned char first;
        if (!archive.Read(&first, 1))
            return false;
        if (first < LongLength) {
            length = first;
            return true;
        }
        std::uint16_t word;
        if (!ReadUInt16(archive, word))
            return false;
        if (word == WideMarker && !wide) {
            wide = true;
            continue;
        }
        if (word != HugeLength) {
            length = word;
            return true;
        }
        return ReadUInt32(archive, length);
    }
}

bool ReadString(FileArchive& archive, std::string& text) {
    std::uint32_t length;
    bool wide;
    if (!ReadLength(archive, length, wide))
        return false;
    // A length the rest of the file cannot hold is damage; it is refused before
    // anything is allocated for it.
    const std::uint64_t byteCount = wide ? 2 * static_cast<std::uint64_t>(length) : length;
    if (byteCount > archive.BytesLeft())
        return false;
    if (!wide)
        return archive.ReadText(text, length);
    text.resize(length);
    unsigned char units[FileArchive::BufferSize];
    for (std::size_t done = 0; done < length;) {
        std::size_t count = std::min<std::size_t>(length - done, sizeof(units) / 2);
        if (!archive.Read(units, 2 * count))
            return false;
        for (std::size_t i = 0; i < count; ++i)
            text[done + i] = zul::CodePage1252FromUtf16(
                static_cast<std::uint16_t>(units[2 * i] | units[2 * i + 1] << 8));
        done += count;
    }
    return true;
}

// Storing only reads text. A field that fails to load is left empty, like the
// fields after it.
bool ExchangeString(FileArchive& archive, std::string& text) {
    if (!archive.IsLoading())
        return WriteString(archive, text);
    if (ReadString(archive, text))
        return true;
    text.clear();
    return false;
}

} // namespace

int SerializeNativeFile(FileArchive& archive, DiscCollection& entries, zul::Progress* progress) {
    const bool loading = archive.IsLoading();
    const int failure = loading ? IDS_ERR_009 : IDS_ERR_013;
    if (loading)
        entries.clear();

    unsigned char magic[4];
    std::memcpy(magic, Magic, sizeof(magic));
    if (!ExchangeBytes(archive, magic, sizeof(magic)))
        return loading && archive.AtEnd() ? IDS_ERR_010 : failure;
    if (std::memcmp(magic, Magic, sizeof(magic)) != 0)
        return IDS_ERR_010;

    std::uint32_t version = FormatVersion;
    if (!ExchangeUInt32(archive, version))
        return failure;
    if (version != FormatVersion)
        return IDS_ERR_011;

    // The count is signed 32-bit in the file.
    if (!loading && entries.size() > INT32_MAX)
        return failure;
    auto count = static_cast<std::uint32_t>(entries.size());
    if (!ExchangeUInt32(archive, count))
        return failure;
    if (loading) {
        // Every entry takes at least six bytes (six empty strings), so a
        // negative count or one the bytes left cannot hold is damage. Refusing
        // it at once keeps a small file from asking for millions of entries
        // and a list filled with them.
        if (count > INT32_MAX || count > archive.BytesLeft() / MinimumEntrySize)
            return failure;
        entries.resize(count);
    }

    std::uint64_t done = 0;
    for (DiscEntry& entry : entries) {
        for (int field = 0; field < DiscEntry::FieldCount; ++field) {
            if (!ExchangeString(archive, entry.Field(field)))
                return failure;
        }
        if (progress != nullptr)
            progress->Advance(++done, entries.size());
    }
    return 0;
}

int LoadNativeFile(const std::string& path, DiscCollection& entries,
                   zul::MessageReporter& reporter, zul::Progress* progress) {
    entries.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        reporter.ReportError(IDS_ERR_008);
        return 0;
    }
    int error;
    {
        FileArchive archive(file, FileArchive::Mode::Load);
        try {
            error = SerializeNativeFile(archive, entries, progress);
        } catch (const std::bad_alloc&) {
            error = IDS_ERR_009;
        }
    }
    std::fclose(file); // nothing was written, so closing cannot lose anything
    if (error != 0) {
        reporter.ReportError(error);
        return 0;
    }
    return 1;
}

int SaveNativeFile(const std::string& path, const DiscCollection& entries,
                   zul::MessageReporter& reporter, zul::Progress* progress) {
    zul::ReplacementFile file(path);
    if (!file.Create()) {
        reporter.ReportError(IDS_ERR_012);
        return 0;
    }
    int error;
    {
        FileArchive archive(file.Stream(), FileArchive::Mode::Store);
        // The storing direction only reads the entries.
        error = SerializeNativeFile(archive, const_cast<DiscCollection&>(entries), progress);
        if (error == 0 && !archive.Flush())
            error = IDS_ERR_013;
    }
    if (!file.Finish() && error == 0)
        error = IDS_ERR_013;
    // The target could not take the new file's place: as if it could not be
    // opened for writing.
    if (error == 0 && !file.ReplaceTarget())
        error = IDS_ERR_012;
    if (error != 0) {
        reporter.ReportError(error);
        return 0;
    }
    return 1;
}

} // namespace kolvane
