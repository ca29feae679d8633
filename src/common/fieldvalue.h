// Reading and writing typed values at any byte offset of a record. Records
// are packed by their callers, so values may be unaligned: copy, never cast.
#pragma once

#include <cstring>

namespace qvfield
{

template <class T> T ReadValue(const void* p)
{
    T value;
    memcpy(&value, p, sizeof value);
    return value;
}

template <class T> void WriteValue(void* p, T value)
{
    memcpy(p, &value, sizeof value);
}

}   // namespace qvfield
