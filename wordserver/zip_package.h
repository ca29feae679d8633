// Zip archives in memory: what a .docx package is made of.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using ByteVector = std::vector<uint8_t>;

// Entries by name. Reading checks every offset and length against the archive and
// the checksum of every entry, so a damaged file is refused, never read past.
class ZipReader
{
public:
    // False when the bytes are not a readable zip archive.
    bool Load(const ByteVector& archive);
    bool Has(const std::string& name) const { return entries_.count(name) != 0; }
    // The uncompressed bytes of an entry; false when it is missing or damaged.
    bool Extract(const std::string& name, ByteVector& out) const;

private:
    struct Entry
    {
        uint16_t method;
        uint32_t crc;
        uint32_t compressedSize;
        uint32_t size;
        uint32_t localHeader;
    };
    const ByteVector* archive_ = nullptr;
    std::map<std::string, Entry> entries_;
};

// Collects entries, deflated, and writes the archive with its central directory.
class ZipWriter
{
public:
    void Add(const std::string& name, const ByteVector& data);
    void Add(const std::string& name, const std::string& text);
    ByteVector Finish();

private:
    struct Entry
    {
        std::string name;
        uint32_t crc;
        uint32_t compressedSize;
        uint32_t size;
        uint32_t offset;
    };
    ByteVector out_;
    std::vector<Entry> entries_;
};
