// Values as the bytes a record holds, and records with guard bytes around a
// field, for the conversion tests.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>
#include "common/field.h"

namespace fieldtest
{

using Bytes = std::vector<unsigned char>;

template <class T> Bytes BytesOf(const T& value)
{
    Bytes bytes(sizeof value);
    memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

// The bytes of values of each width the record codes use.
inline Bytes U8(uint8_t value)
{
    return BytesOf(value);
}
inline Bytes I32(int32_t value)
{
    return BytesOf(value);
}
inline Bytes U32(uint32_t value)
{
    return BytesOf(value);
}
inline Bytes I64(int64_t value)
{
    return BytesOf(value);
}
inline Bytes F32(float value)
{
    return BytesOf(value);
}
inline Bytes F64(double value)
{
    return BytesOf(value);
}

inline Bytes TextBytes(const std::wstring& text)
{
    Bytes bytes((text.size() + 1) * sizeof(wchar_t));
    memcpy(bytes.data(), text.c_str(), bytes.size());
    return bytes;
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
    explicit GuardedRecord(const Bytes& value) : GuardedRecord()
    {
        memcpy(bytes + kOffset, value.data(), value.size());
    }
    CString Show(int type, int format)
    {
        return CField::GetFieldString(reinterpret_cast<char*>(bytes + kOffset), type, format);
    }
    void Store(const std::wstring& text, int type) { CField::TextToRecord(text.c_str(), type, kOffset, bytes); }
    // Every byte outside the field's first width bytes still holds the fill.
    bool FillOutside(int width) const
    {
        for (int i = 0; i < kSize; ++i)
            if ((i < kOffset || i >= kOffset + width) && bytes[i] != kFill)
                return false;
        return true;
    }
    // The field holds value and every other byte still holds the fill.
    bool Holds(const Bytes& value) const
    {
        return FillOutside(int(value.size())) && std::equal(value.begin(), value.end(), bytes + kOffset);
    }
};

}   // namespace fieldtest
