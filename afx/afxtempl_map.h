// CMap: a hash table of key/value associations.
#pragma once

// Included by afxtempl.h, which declares the element helpers first.

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap
{
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;   // full hash, kept to find the bucket when iterating
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

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
bool CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::AllocHashTable()
{
    if (m_pHashTable == nullptr)
    {
        m_pHashTable = new CAssoc*[m_nHashTableSize];
        std::memset(m_pHashTable, 0, sizeof(CAssoc*) * m_nHashTableSize);
    }
    return true;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
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

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FindAssoc(
    ARG_KEY key, UINT& nHashValue) const
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

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nHashValue;
    CAssoc* pAssoc = FindAssoc(key, nHashValue);
    if (pAssoc == nullptr)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
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

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
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

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
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

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
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

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
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
    for (UINT nBucket = pAssoc->nHashValue % m_nHashTableSize + 1; pNext == nullptr && nBucket < m_nHashTableSize;
         nBucket++)
        pNext = m_pHashTable[nBucket];
    rNextPosition = reinterpret_cast<POSITION>(pNext);
}
