// The record buffer of the list printers.
#include "printpage.h"
#include <algorithm>

namespace qvprint
{

namespace
{

// Zero bytes kept after every record buffer, so an unterminated text ends.
const long kRecordGuard = 64;

}   // namespace

std::vector<char> FetchRecord(long nLength, const std::function<int(char* pRecord)>& getRecord)
{
    nLength = std::max(nLength, 0L);
    std::vector<char> record(static_cast<size_t>(nLength + kRecordGuard), 0);
    if (getRecord(record.data()) != 1)
        std::fill(record.begin(), record.end(), 0);
    std::fill(record.begin() + nLength, record.end(), 0);
    return record;
}

}   // namespace qvprint
