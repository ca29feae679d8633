// Zip reading and writing with zlib's raw deflate.
#include "zip_package.h"

#include <zlib.h>

namespace
{

const uint32_t kLocalSignature = 0x04034b50;
const uint32_t kCentralSignature = 0x02014b50;
const uint32_t kEndSignature = 0x06054b50;
const size_t kLocalHeaderSize = 30;
const size_t kCentralHeaderSize = 46;
const size_t kEndRecordSize = 22;
const uint16_t kStored = 0;
const uint16_t kDeflated = 8;
const uint16_t kVersion = 20;
const uint16_t kUtf8Names = 0x0800;
// Far more than any document part; a bigger size is taken as damage.
const uint32_t kLargestEntry = 512u << 20;
// 1 January 2020, 00:00, in the archive's date and time fields.
const uint16_t kDosDate = ((2020 - 1980) << 9) | (1 << 5) | 1;
const uint16_t kDosTime = 0;

uint16_t Read16(const ByteVector& b, size_t at)
{
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
uint32_t Read32(const ByteVector& b, size_t at)
{
    return Read16(b, at) | (static_cast<uint32_t>(Read16(b, at + 2)) << 16);
}

void Put16(ByteVector& b, uint16_t v)
{
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
}
void Put32(ByteVector& b, uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

}   // namespace

bool ZipReader::Load(const ByteVector& archive)
{
    entries_.clear();
    archive_ = &archive;
    if (archive.size() < kEndRecordSize)
        return false;
    // The end record sits in the last 64 KiB + 22 bytes (its comment comes after it).
    size_t lowest = archive.size() > 0xFFFF + kEndRecordSize ? archive.size() - 0xFFFF - kEndRecordSize : 0;
    size_t end = archive.size() - kEndRecordSize + 1;
    bool found = false;
    while (end-- > lowest)
    {
        if (Read32(archive, end) == kEndSignature)
        {
            found = true;
            break;
        }
    }
    if (!found)
        return false;
    uint16_t count = Read16(archive, end + 10);
    uint32_t directory = Read32(archive, end + 16);
    size_t at = directory;
    for (uint16_t i = 0; i < count; ++i)
    {
        if (at + kCentralHeaderSize > archive.size() || Read32(archive, at) != kCentralSignature)
            return false;
        Entry e;
        e.method = Read16(archive, at + 10);
        e.crc = Read32(archive, at + 16);
        e.compressedSize = Read32(archive, at + 20);
        e.size = Read32(archive, at + 24);
        uint16_t nameLength = Read16(archive, at + 28);
        uint16_t extraLength = Read16(archive, at + 30);
        uint16_t commentLength = Read16(archive, at + 32);
        e.localHeader = Read32(archive, at + 42);
        if (at + kCentralHeaderSize + nameLength > archive.size())
            return false;
        std::string name(reinterpret_cast<const char*>(&archive[at + kCentralHeaderSize]), nameLength);
        entries_[name] = e;
        at += kCentralHeaderSize + nameLength + extraLength + commentLength;
    }
    return true;
}

bool ZipReader::Extract(const std::string& name, ByteVector& out) const
{
    out.clear();
    auto it = entries_.find(name);
    if (it == entries_.end() || !archive_)
        return false;
    const ByteVector& archive = *archive_;
    const Entry& e = it->second;
    size_t at = e.localHeader;
    if (at + kLocalHeaderSize > archive.size() || Read32(archive, at) != kLocalSignature)
        return false;
    size_t data = at + kLocalHeaderSize + Read16(archive, at + 26) + Read16(archive, at + 28);
    if (data > archive.size() || e.compressedSize > archive.size() - data || e.size > kLargestEntry)
        return false;
    if (e.method == kStored)
    {
        if (e.compressedSize != e.size)
            return false;
        out.assign(archive.begin() + data, archive.begin() + data + e.size);
    }
    else if (e.method == kDeflated)
    {
        out.resize(e.size);
        z_stream z = {};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
            return false;
        z.next_in = const_cast<Bytef*>(archive.data() + data);
        z.avail_in = e.compressedSize;
        z.next_out = out.data();
        z.avail_out = e.size;
        int status = inflate(&z, Z_FINISH);
        bool whole = status == Z_STREAM_END && z.total_out == e.size;
        inflateEnd(&z);
        if (!whole)
            return false;
    }
    else
    {
        return false;
    }
    return crc32(0, out.data(), static_cast<uInt>(out.size())) == e.crc;
}

void ZipWriter::Add(const std::string& name, const std::string& text)
{
    Add(name, ByteVector(text.begin(), text.end()));
}

void ZipWriter::Add(const std::string& name, const ByteVector& data)
{
    ByteVector packed(compressBound(static_cast<uLong>(data.size())) + 64);
    z_stream z = {};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = packed.data();
    z.avail_out = static_cast<uInt>(packed.size());
    deflate(&z, Z_FINISH);
    packed.resize(z.total_out);
    deflateEnd(&z);

    Entry e{name, static_cast<uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size()))),
            static_cast<uint32_t>(packed.size()), static_cast<uint32_t>(data.size()),
            static_cast<uint32_t>(out_.size())};
    Put32(out_, kLocalSignature);
    Put16(out_, kVersion);
    Put16(out_, kUtf8Names);
    Put16(out_, kDeflated);
    Put16(out_, kDosTime);
    Put16(out_, kDosDate);
    Put32(out_, e.crc);
    Put32(out_, e.compressedSize);
    Put32(out_, e.size);
    Put16(out_, static_cast<uint16_t>(name.size()));
    Put16(out_, 0);
    out_.insert(out_.end(), name.begin(), name.end());
    out_.insert(out_.end(), packed.begin(), packed.end());
    entries_.push_back(e);
}

ByteVector ZipWriter::Finish()
{
    uint32_t directory = static_cast<uint32_t>(out_.size());
    for (const Entry& e : entries_)
    {
        Put32(out_, kCentralSignature);
        Put16(out_, kVersion);
        Put16(out_, kVersion);
        Put16(out_, kUtf8Names);
        Put16(out_, kDeflated);
        Put16(out_, kDosTime);
        Put16(out_, kDosDate);
        Put32(out_, e.crc);
        Put32(out_, e.compressedSize);
        Put32(out_, e.size);
        Put16(out_, static_cast<uint16_t>(e.name.size()));
        Put16(out_, 0);   // extra
        Put16(out_, 0);   // comment
        Put16(out_, 0);   // disk
        Put16(out_, 0);   // internal attributes
        Put32(out_, 0);   // external attributes
        Put32(out_, e.offset);
        out_.insert(out_.end(), e.name.begin(), e.name.end());
    }
    uint32_t directorySize = static_cast<uint32_t>(out_.size()) - directory;
    Put32(out_, kEndSignature);
    Put16(out_, 0);
    Put16(out_, 0);
    Put16(out_, static_cast<uint16_t>(entries_.size()));
    Put16(out_, static_cast<uint16_t>(entries_.size()));
    Put32(out_, directorySize);
    Put32(out_, directory);
    Put16(out_, 0);
    ByteVector result;
    result.swap(out_);
    entries_.clear();
    return result;
}
