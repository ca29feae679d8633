// Collection templates: CArray, CList and CMap.
//
// Elements are real C++ objects: constructed when they come into being,
// destroyed when they go, moved when the storage grows (so CString and other
// classes with constructors work as elements).
//
// Indexes out of range are caller errors: they ASSERT. Without the assert
// (release builds) no memory outside the array is ever touched:
//   - GetAt/operator[] const read a default-constructed element;
//   - ElementAt/operator[] give a scratch element, reset on every such call,
//     whose writes are lost;
//   - SetAt, RemoveAt, InsertAt with a negative index do nothing;
//   - SetSize with a negative size does nothing.
// CList and CMap positions must come from the same container; a null
// position asserts and is otherwise ignored.
#pragma once

#include <windows.h>
#include <new>
#include <utility>
#include <type_traits>
#include <climits>
#include <cstring>
#include <cstdint>

#include "afxvalue_assert.h"
#include "afxstr.h"

#ifndef BEFORE_START_POSITION
struct __POSITION;
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)
#endif

// Element helpers ------------------------------------------------------------

template<class TYPE, class ARG_TYPE>
BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Wide string keys compare by content (their hash is by content too).
template<>
inline BOOL CompareElements<const wchar_t*, const wchar_t*>(const wchar_t* const* p1, const wchar_t* const* p2)
{
    return CString(*p1) == *p2;
}
template<>
inline BOOL CompareElements<wchar_t*, wchar_t*>(wchar_t* const* p1, wchar_t* const* p2)
{
    return CString(*p1) == *p2;
}

UINT HashStringKey(const wchar_t* key) noexcept;   // afxstr.cpp

// Integers hash by value, pointers by address (low bits dropped: they are
// alignment), strings by content. Other key types need their own HashKey.
template<class ARG_KEY>
UINT HashKey(ARG_KEY key)
{
    using Key = std::remove_cv_t<std::remove_reference_t<ARG_KEY>>;
    if constexpr (std::is_pointer_v<Key>)
        return UINT(reinterpret_cast<UINT_PTR>(key) >> 4);
    else
        return UINT(static_cast<ULONGLONG>(key) ^ (static_cast<ULONGLONG>(key) >> 32));
}
template<> inline UINT HashKey<const wchar_t*>(const wchar_t* key) { return HashStringKey(key); }
template<> inline UINT HashKey<wchar_t*>(wchar_t* key) { return HashStringKey(key); }
template<> inline UINT HashKey<const CString&>(const CString& key) { return HashStringKey(key); }
template<> inline UINT HashKey<CString>(CString key) { return HashStringKey(key); }

// CArray ---------------------------------------------------------------------

template<class TYPE, class ARG_TYPE = const TYPE&>
class CArray
{
public:
    CArray() noexcept = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
    ~CArray() { RemoveAll(); }

    INT_PTR GetSize() const noexcept { return m_nSize; }
    INT_PTR GetCount() const noexcept { return m_nSize; }
    BOOL IsEmpty() const noexcept { return m_nSize == 0; }
    INT_PTR GetUpperBound() const noexcept { return m_nSize - 1; }

    // nGrowBy: how many elements to add room for when the array grows;
    // -1 keeps the current choice (by default it grows with the size).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll();

    const TYPE& GetAt(INT_PTR nIndex) const;
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement);
    TYPE& ElementAt(INT_PTR nIndex);
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    const TYPE* GetData() const noexcept { return m_pData; }
    TYPE* GetData() noexcept { return m_pData; }

    // Grows the array when nIndex is past the end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    // Returns the index of the first appended element.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    // Inserting past the end grows the array first.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray);
    // Removes what lies inside the array of [nIndex, nIndex + nCount).
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

private:
    bool IsValidIndex(INT_PTR nIndex) const noexcept { return nIndex >= 0 && nIndex < m_nSize; }
    // Ensures room for nCapacity elements; false when that is impossible.
    bool Reserve(INT_PTR nCapacity);
    static INT_PTR MaxElements() noexcept { return INT_PTR(PTRDIFF_MAX / sizeof(TYPE)) / 2; }

    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = -1;
};

template<class TYPE, class ARG_TYPE>
bool CArray<TYPE, ARG_TYPE>::Reserve(INT_PTR nCapacity)
{
    if (nCapacity <= m_nMaxSize)
        return true;
    if (nCapacity > MaxElements())
        return false;
    INT_PTR nGrow = m_nGrowBy > 0 ? m_nGrowBy : (m_nSize / 2 < 4 ? 4 : m_nSize / 2);
    INT_PTR nNewMax = m_nMaxSize + nGrow < nCapacity ? nCapacity : m_nMaxSize + nGrow;
    if (nNewMax > MaxElements())
        nNewMax = nCapacity;
    TYPE* pNewData = static_cast<TYPE*>(::operator new(size_t(nNewMax) * sizeof(TYPE), std::nothrow));
    if (pNewData == nullptr)
        return false;
    for (INT_PTR i = 0; i < m_nSize; i++)
    {
        new (&pNewData[i]) TYPE(std::move(m_pData[i]));
        m_pData[i].~TYPE();
    }
    ::operator delete(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
    return true;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    ASSERT(nNewSize >= 0);
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize < 0)
        return;
    if (nNewSize == 0)
    {
        RemoveAll();
        return;
    }
    if (nNewSize > m_nSize && !Reserve(nNewSize))
    {
        ASSERT(!"CArray::SetSize: size too large");
        return;
    }
    for (INT_PTR i = m_nSize; i < nNewSize; i++)
        new (&m_pData[i]) TYPE();
    for (INT_PTR i = nNewSize; i < m_nSize; i++)
        m_pData[i].~TYPE();
    m_nSize = nNewSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAll()
{
    for (INT_PTR i = 0; i < m_nSize; i++)
        m_pData[i].~TYPE();
    ::operator delete(m_pData);
    m_pData = nullptr;
    m_nSize = 0;
    m_nMaxSize = 0;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0)
    {
        RemoveAll();
        return;
    }
    TYPE* pNewData = static_cast<TYPE*>(::operator new(size_t(m_nSize) * sizeof(TYPE), std::nothrow));
    if (pNewData == nullptr)
        return;  // keep the extra room
    for (INT_PTR i = 0; i < m_nSize; i++)
    {
        new (&pNewData[i]) TYPE(std::move(m_pData[i]));
        m_pData[i].~TYPE();
    }
    ::operator delete(m_pData);
    m_pData = pNewData;
    m_nMaxSize = m_nSize;
}

template<class TYPE, class ARG_TYPE>
const TYPE& CArray<TYPE, ARG_TYPE>::GetAt(INT_PTR nIndex) const
{
    ASSERT(IsValidIndex(nIndex));
    if (IsValidIndex(nIndex))
        return m_pData[nIndex];
    static const TYPE outOfRange{};
    return outOfRange;
}

template<class TYPE, class ARG_TYPE>
TYPE& CArray<TYPE, ARG_TYPE>::ElementAt(INT_PTR nIndex)
{
    ASSERT(IsValidIndex(nIndex));
    if (IsValidIndex(nIndex))
        return m_pData[nIndex];
    static TYPE scratch{};
    scratch = TYPE();
    return scratch;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAt(INT_PTR nIndex, ARG_TYPE newElement)
{
    ASSERT(IsValidIndex(nIndex));
    if (IsValidIndex(nIndex))
        m_pData[nIndex] = newElement;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    ASSERT(nIndex >= 0);
    if (nIndex < 0)
        return;
    if (nIndex >= m_nSize)
    {
        TYPE copy(newElement);  // newElement may live inside this array
        SetSize(nIndex + 1);
        if (nIndex < m_nSize)
            m_pData[nIndex] = std::move(copy);
        return;
    }
    m_pData[nIndex] = newElement;
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nSrcSize = src.m_nSize;  // read before growing: src may be *this
    if (nSrcSize == 0)
        return nOldSize;
    if (!Reserve(nOldSize + nSrcSize))
    {
        ASSERT(!"CArray::Append: size too large");
        return nOldSize;
    }
    for (INT_PTR i = 0; i < nSrcSize; i++)
    {
        new (&m_pData[nOldSize + i]) TYPE(src.m_pData[i]);
        m_nSize++;
    }
    return nOldSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (&src == this)
        return;
    SetSize(src.m_nSize);
    for (INT_PTR i = 0; i < m_nSize && i < src.m_nSize; i++)
        m_pData[i] = src.m_pData[i];
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0)
        return;
    TYPE copy(newElement);  // newElement may live inside this array
    INT_PTR nOldSize = m_nSize;
    INT_PTR nEnd = nIndex > nOldSize ? nIndex : nOldSize;
    if (nCount > MaxElements() - nEnd || !Reserve(nEnd + nCount))
    {
        ASSERT(!"CArray::InsertAt: size too large");
        return;
    }
    if (nIndex >= nOldSize)
    {
        SetSize(nIndex + nCount);
    }
    else
    {
        // Open a gap of nCount at nIndex: construct the new tail, shift the rest.
        for (INT_PTR i = nOldSize; i < nOldSize + nCount; i++)
            new (&m_pData[i]) TYPE();
        m_nSize = nOldSize + nCount;
        for (INT_PTR i = nOldSize - 1; i >= nIndex; i--)
            m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (INT_PTR i = nIndex; i < nIndex + nCount; i++)
        m_pData[i] = copy;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
{
    ASSERT(pNewArray != nullptr && nStartIndex >= 0);
    if (pNewArray == nullptr || nStartIndex < 0 || pNewArray->m_nSize == 0)
        return;
    if (pNewArray == this)
    {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->m_nSize);
    if (m_nSize < nStartIndex + pNewArray->m_nSize)
        return;  // the insert failed
    for (INT_PTR i = 1; i < pNewArray->m_nSize; i++)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    ASSERT(nIndex >= 0 && nCount >= 0 && nIndex <= m_nSize && nCount <= m_nSize - nIndex);
    if (nIndex < 0 || nIndex >= m_nSize || nCount <= 0)
        return;
    if (nCount > m_nSize - nIndex)
        nCount = m_nSize - nIndex;
    for (INT_PTR i = nIndex + nCount; i < m_nSize; i++)
        m_pData[i - nCount] = std::move(m_pData[i]);
    for (INT_PTR i = m_nSize - nCount; i < m_nSize; i++)
        m_pData[i].~TYPE();
    m_nSize -= nCount;
}

// CList ----------------------------------------------------------------------

template<class TYPE, class ARG_TYPE = const TYPE&>
class CList
{
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) noexcept { (void)nBlockSize; }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    ~CList() { RemoveAll(); }

    INT_PTR GetCount() const noexcept { return m_nCount; }
    INT_PTR GetSize() const noexcept { return m_nCount; }
    BOOL IsEmpty() const noexcept { return m_nCount == 0; }

    // Head and tail of an empty list: ASSERT, then a default-constructed element.
    TYPE& GetHead() { return NodeData(m_pNodeHead); }
    const TYPE& GetHead() const { return NodeData(m_pNodeHead); }
    TYPE& GetTail() { return NodeData(m_pNodeTail); }
    const TYPE& GetTail() const { return NodeData(m_pNodeTail); }
    TYPE RemoveHead();
    TYPE RemoveTail();

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(ToPosition(m_pNodeHead), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(ToPosition(m_pNodeTail), newElement); }
    void AddHead(const CList* pNewList);
    void AddTail(const CList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const noexcept { return ToPosition(m_pNodeHead); }
    POSITION GetTailPosition() const noexcept { return ToPosition(m_pNodeTail); }
    // Return the element at rPosition and move rPosition on (null past the end).
    TYPE& GetNext(POSITION& rPosition);
    const TYPE& GetNext(POSITION& rPosition) const;
    TYPE& GetPrev(POSITION& rPosition);
    const TYPE& GetPrev(POSITION& rPosition) const;

    TYPE& GetAt(POSITION position) { return NodeData(ToNode(position)); }
    const TYPE& GetAt(POSITION position) const { return NodeData(ToNode(position)); }
    void SetAt(POSITION position, ARG_TYPE newElement);
    void RemoveAt(POSITION position);

    // A null position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // Search from the element after startAfter (null: from the head).
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    // Null when nIndex is out of range.
    POSITION FindIndex(INT_PTR nIndex) const;

private:
    static POSITION ToPosition(CNode* pNode) noexcept { return reinterpret_cast<POSITION>(pNode); }
    static CNode* ToNode(POSITION position) noexcept { return reinterpret_cast<CNode*>(position); }
    TYPE& NodeData(CNode* pNode);
    const TYPE& NodeData(CNode* pNode) const;

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
};

template<class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::NodeData(CNode* pNode)
{
    ASSERT(pNode != nullptr);
    if (pNode != nullptr)
        return pNode->data;
    static TYPE scratch{};
    scratch = TYPE();
    return scratch;
}

template<class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::NodeData(CNode* pNode) const
{
    ASSERT(pNode != nullptr);
    if (pNode != nullptr)
        return pNode->data;
    static const TYPE empty{};
    return empty;
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    ASSERT(m_pNodeHead != nullptr);
    if (m_pNodeHead == nullptr)
        return TYPE();
    TYPE value(std::move(m_pNodeHead->data));
    RemoveAt(ToPosition(m_pNodeHead));
    return value;
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    ASSERT(m_pNodeTail != nullptr);
    if (m_pNodeTail == nullptr)
        return TYPE();
    TYPE value(std::move(m_pNodeTail->data));
    RemoveAt(ToPosition(m_pNodeTail));
    return value;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(const CList* pNewList)
{
    ASSERT(pNewList != nullptr);
    if (pNewList == nullptr)
        return;
    // Walk backwards so the order is kept; the count is fixed first because
    // a self-add grows the list.
    INT_PTR nLeft = pNewList->m_nCount;
    for (CNode* pNode = pNewList->m_pNodeTail; pNode != nullptr && nLeft > 0; nLeft--)
    {
        CNode* pPrev = pNode->pPrev;
        AddHead(pNode->data);
        pNode = pPrev;
    }
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(const CList* pNewList)
{
    ASSERT(pNewList != nullptr);
    if (pNewList == nullptr)
        return;
    INT_PTR nLeft = pNewList->m_nCount;  // fixed first: a self-add grows the list
    for (CNode* pNode = pNewList->m_pNodeHead; pNode != nullptr && nLeft > 0; nLeft--)
    {
        CNode* pNext = pNode->pNext;
        AddTail(pNode->data);
        pNode = pNext;
    }
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    CNode* pNode = m_pNodeHead;
    while (pNode != nullptr)
    {
        CNode* pNext = pNode->pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pNodeHead = m_pNodeTail = nullptr;
    m_nCount = 0;
}

template<class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition)
{
    CNode* pNode = ToNode(rPosition);
    rPosition = pNode ? ToPosition(pNode->pNext) : nullptr;
    return NodeData(pNode);
}

template<class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition) const
{
    CNode* pNode = ToNode(rPosition);
    rPosition = pNode ? ToPosition(pNode->pNext) : nullptr;
    return NodeData(pNode);
}

template<class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition)
{
    CNode* pNode = ToNode(rPosition);
    rPosition = pNode ? ToPosition(pNode->pPrev) : nullptr;
    return NodeData(pNode);
}

template<class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition) const
{
    CNode* pNode = ToNode(rPosition);
    rPosition = pNode ? ToPosition(pNode->pPrev) : nullptr;
    return NodeData(pNode);
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::SetAt(POSITION position, ARG_TYPE newElement)
{
    ASSERT(position != nullptr);
    if (position != nullptr)
        ToNode(position)->data = newElement;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    ASSERT(position != nullptr);
    CNode* pNode = ToNode(position);
    if (pNode == nullptr)
        return;
    if (pNode->pPrev != nullptr)
        pNode->pPrev->pNext = pNode->pNext;
    else
        m_pNodeHead = pNode->pNext;
    if (pNode->pNext != nullptr)
        pNode->pNext->pPrev = pNode->pPrev;
    else
        m_pNodeTail = pNode->pPrev;
    delete pNode;
    m_nCount--;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    CNode* pNext = position != nullptr ? ToNode(position) : m_pNodeHead;
    CNode* pPrev = pNext != nullptr ? pNext->pPrev : nullptr;
    CNode* pNode = new CNode{pNext, pPrev, TYPE(newElement)};
    (pPrev != nullptr ? pPrev->pNext : m_pNodeHead) = pNode;
    (pNext != nullptr ? pNext->pPrev : m_pNodeTail) = pNode;
    m_nCount++;
    return ToPosition(pNode);
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    CNode* pPrev = position != nullptr ? ToNode(position) : m_pNodeTail;
    CNode* pNext = pPrev != nullptr ? pPrev->pNext : nullptr;
    CNode* pNode = new CNode{pNext, pPrev, TYPE(newElement)};
    (pPrev != nullptr ? pPrev->pNext : m_pNodeHead) = pNode;
    (pNext != nullptr ? pNext->pPrev : m_pNodeTail) = pNode;
    m_nCount++;
    return ToPosition(pNode);
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter != nullptr ? ToNode(startAfter)->pNext : m_pNodeHead;
    for (; pNode != nullptr; pNode = pNode->pNext)
    {
        if (CompareElements(&pNode->data, &searchValue))
            return ToPosition(pNode);
    }
    return nullptr;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return ToPosition(pNode);
}

// CMap -----------------------------------------------------------------------

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap
{
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;  // full hash, kept to find the bucket when iterating
        KEY key;
        VALUE value;
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) noexcept { (void)nBlockSize; }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    ~CMap() { RemoveAll(); }

    INT_PTR GetCount() const noexcept { return m_nCount; }
    INT_PTR GetSize() const noexcept { return m_nCount; }
    BOOL IsEmpty() const noexcept { return m_nCount == 0; }
    UINT GetHashTableSize() const noexcept { return m_nHashTableSize; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    // Inserts a default-constructed value when the key is missing.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    // Iteration order is unspecified. GetNextAssoc sets rNextPosition to null
    // after the last association.
    POSITION GetStartPosition() const noexcept;
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    // Only while the map is empty (it asserts otherwise and keeps its table).
    // Sizes above kMaxHashTableSize assert and are cut to it.
    static constexpr UINT kMaxHashTableSize = 1u << 20;
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

private:
    CAssoc* FindAssoc(ARG_KEY key, UINT& nHashValue) const;
    bool AllocHashTable();

    CAssoc** m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
bool CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::AllocHashTable()
{
    if (m_pHashTable == nullptr)
    {
        m_pHashTable = new CAssoc*[m_nHashTableSize];
        std::memset(m_pHashTable, 0, sizeof(CAssoc*) * m_nHashTableSize);
    }
    return true;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    ASSERT(m_nCount == 0 && hashSize > 0 && hashSize <= kMaxHashTableSize);
    if (m_nCount != 0 || hashSize == 0)
        return;
    if (hashSize > kMaxHashTableSize)
        hashSize = kMaxHashTableSize;
    delete[] m_pHashTable;
    m_pHashTable = nullptr;
    m_nHashTableSize = hashSize;
    if (bAllocNow)
        AllocHashTable();
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FindAssoc(ARG_KEY key, UINT& nHashValue) const
{
    nHashValue = HashKey<ARG_KEY>(key);
    if (m_pHashTable == nullptr)
        return nullptr;
    for (CAssoc* pAssoc = m_pHashTable[nHashValue % m_nHashTableSize]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
    {
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return nullptr;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nHashValue;
    CAssoc* pAssoc = FindAssoc(key, nHashValue);
    if (pAssoc == nullptr)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHashValue;
    CAssoc* pAssoc = FindAssoc(key, nHashValue);
    if (pAssoc != nullptr)
        return pAssoc->value;
    AllocHashTable();
    CAssoc*& rBucket = m_pHashTable[nHashValue % m_nHashTableSize];
    pAssoc = new CAssoc{rBucket, nHashValue, KEY(key), VALUE()};
    rBucket = pAssoc;
    m_nCount++;
    return pAssoc->value;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == nullptr)
        return FALSE;
    UINT nHashValue = HashKey<ARG_KEY>(key);
    for (CAssoc** ppLink = &m_pHashTable[nHashValue % m_nHashTableSize]; *ppLink != nullptr; ppLink = &(*ppLink)->pNext)
    {
        CAssoc* pAssoc = *ppLink;
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
        {
            *ppLink = pAssoc->pNext;
            delete pAssoc;
            m_nCount--;
            return TRUE;
        }
    }
    return FALSE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != nullptr)
    {
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++)
        {
            CAssoc* pAssoc = m_pHashTable[nBucket];
            while (pAssoc != nullptr)
            {
                CAssoc* pNext = pAssoc->pNext;
                delete pAssoc;
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
    }
    m_nCount = 0;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
POSITION CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetStartPosition() const noexcept
{
    if (m_nCount == 0 || m_pHashTable == nullptr)
        return nullptr;
    for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++)
    {
        if (m_pHashTable[nBucket] != nullptr)
            return reinterpret_cast<POSITION>(m_pHashTable[nBucket]);
    }
    return nullptr;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    ASSERT(rNextPosition != nullptr && rNextPosition != BEFORE_START_POSITION);
    CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
    if (pAssoc == nullptr || rNextPosition == BEFORE_START_POSITION || m_pHashTable == nullptr)
    {
        rNextPosition = nullptr;
        return;
    }
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    CAssoc* pNext = pAssoc->pNext;
    for (UINT nBucket = pAssoc->nHashValue % m_nHashTableSize + 1; pNext == nullptr && nBucket < m_nHashTableSize; nBucket++)
        pNext = m_pHashTable[nBucket];
    rNextPosition = reinterpret_cast<POSITION>(pNext);
}
