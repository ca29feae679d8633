// CArray: a growable array of constructed elements.
#pragma once

// Included by afxtempl.h, which declares the element helpers first.

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray
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

template <class TYPE, class ARG_TYPE> bool CArray<TYPE, ARG_TYPE>::Reserve(INT_PTR nCapacity)
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

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
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

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::RemoveAll()
{
    for (INT_PTR i = 0; i < m_nSize; i++)
        m_pData[i].~TYPE();
    ::operator delete(m_pData);
    m_pData = nullptr;
    m_nSize = 0;
    m_nMaxSize = 0;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::FreeExtra()
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
        return;   // keep the extra room
    for (INT_PTR i = 0; i < m_nSize; i++)
    {
        new (&pNewData[i]) TYPE(std::move(m_pData[i]));
        m_pData[i].~TYPE();
    }
    ::operator delete(m_pData);
    m_pData = pNewData;
    m_nMaxSize = m_nSize;
}

template <class TYPE, class ARG_TYPE> const TYPE& CArray<TYPE, ARG_TYPE>::GetAt(INT_PTR nIndex) const
{
    ASSERT(IsValidIndex(nIndex));
    if (IsValidIndex(nIndex))
        return m_pData[nIndex];
    static const TYPE outOfRange{};
    return outOfRange;
}

template <class TYPE, class ARG_TYPE> TYPE& CArray<TYPE, ARG_TYPE>::ElementAt(INT_PTR nIndex)
{
    ASSERT(IsValidIndex(nIndex));
    if (IsValidIndex(nIndex))
        return m_pData[nIndex];
    static TYPE scratch{};
    scratch = TYPE();
    return scratch;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetAt(INT_PTR nIndex, ARG_TYPE newElement)
{
    ASSERT(IsValidIndex(nIndex));
    if (IsValidIndex(nIndex))
        m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    ASSERT(nIndex >= 0);
    if (nIndex < 0)
        return;
    if (nIndex >= m_nSize)
    {
        TYPE copy(newElement);   // newElement may live inside this array
        SetSize(nIndex + 1);
        if (nIndex < m_nSize)
            m_pData[nIndex] = std::move(copy);
        return;
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE> INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template <class TYPE, class ARG_TYPE> INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nSrcSize = src.m_nSize;   // read before growing: src may be *this
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

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (&src == this)
        return;
    SetSize(src.m_nSize);
    for (INT_PTR i = 0; i < m_nSize && i < src.m_nSize; i++)
        m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0)
        return;
    TYPE copy(newElement);   // newElement may live inside this array
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

template <class TYPE, class ARG_TYPE>
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
        return;   // the insert failed
    for (INT_PTR i = 1; i < pNewArray->m_nSize; i++)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
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
