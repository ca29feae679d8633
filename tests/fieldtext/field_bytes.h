// Values as the bytes a record holds, and records with guard bytes around a
// field, for the conversion tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <sqltypes.h>

namespace fieldtest {

using Bytes = std::vector<unsigned char>;

template <class T>
Bytes BytesOf(const T& value)
{
    Bytes bytes(sizeof value);
    memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

inline Bytes TextBytes(const std::wstring& text)
{
    Bytes bytes((text.size() + 1) * sizeof(wchar_t));
    memcpy(bytes.data(), text.c_str(), bytes.size());
    return bytes;
}

inline TIMESTAMP_STRUCT Stamp(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return { SQLSMALLINT(y), SQLUSMALLINT(mo), SQLUSMALLINT(d), SQLUSMALLINT(h), SQLUSMALLINT(mi),
             SQLUSMALLINT(s), 0 };
}

// A record of kSize bytes filled with kFill, with the field at an odd,
// unaligned offset, so that reads and writes must not assume alignment.
struct GuardedRecord
{
    static constexpr int kSize = 128;
    static constexpr int kOffset = 13;
    static constexpr unsigned char kFill = 0xAB;
    alignas(16) unsigned char bytes[kSize];

    GuardedRecord() { memset(bytes, kFill, sizeof bytes); }
    char* Field() { return reinterpret_cast<char*>(bytes + kOffset); }
    void Put(const Bytes& value) { memcpy(bytes + kOffset, value.data(), value.size()); }

    // The field holds value and every other byte still holds the fill.
    bool Holds(const Bytes& value) const
    {
        for (int i = 0; i < kSize; ++i) {
            int at = i - kOffset;
            bool inField = at >= 0 && at < int(value.size());
            if (bytes[i] != (inField ? value[at] : kFill))
                return false;
        }
        return true;
    }
    bool Untouched() const { return Holds(Bytes()); }
};

}  // namespace fieldtest
