// CList: a doubly linked list walked with POSITION values.
#pragma once

// Included by afxtempl.h, which declares the element helpers first.

template <class TYPE, class ARG_TYPE = const TYPE&> class CList
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

template <class TYPE, class ARG_TYPE> TYPE& CList<TYPE, ARG_TYPE>::NodeData(CNode* pNode)
{
    ASSERT(pNode != nullptr);
    if (pNode != nullptr)
        return pNode->data;
    static TYPE scratch{};
    scratch = TYPE();
    return scratch;
}

template <class TYPE, class ARG_TYPE> const TYPE& CList<TYPE, ARG_TYPE>::NodeData(CNode* pNode) const
{
    ASSERT(pNode != nullptr);
    if (pNode != nullptr)
        return pNode->data;
    static const TYPE empty{};
    return empty;
}

template <class TYPE, class ARG_TYPE> TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    ASSERT(m_pNodeHead != nullptr);
    if (m_pNodeHead == nullptr)
        return TYPE();
    TYPE value(std::move(m_pNodeHead->data));
    RemoveAt(ToPosition(m_pNodeHead));
    return value;
}

template <class TYPE, class ARG_TYPE> TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    ASSERT(m_pNodeTail != nullptr);
    if (m_pNodeTail == nullptr)
        return TYPE();
    TYPE value(std::move(m_pNodeTail->data));
    RemoveAt(ToPosition(m_pNodeTail));
    return value;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::AddHead(const CList* pNewList)
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

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::AddTail(const CList* pNewList)
{
    ASSERT(pNewList != nullptr);
    if (pNewList == nullptr)
        return;
    INT_PTR nLeft = pNewList->m_nCount;   // fixed first: a self-add grows the list
    for (CNode* pNode = pNewList->m_pNodeHead; pNode != nullptr && nLeft > 0; nLeft--)
    {
        CNode* pNext = pNode->pNext;
        AddTail(pNode->data);
        pNode = pNext;
    }
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::RemoveAll()
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

template <class TYPE, class ARG_TYPE> TYPE& CList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition)
{
    CNode* pNode = ToNode(rPosition);
    rPosition = pNode ? ToPosition(pNode->pNext) : nullptr;
    return NodeData(pNode);
}

template <class TYPE, class ARG_TYPE> const TYPE& CList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition) const
{
    return const_cast<CList*>(this)->GetNext(rPosition);
}

template <class TYPE, class ARG_TYPE> TYPE& CList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition)
{
    CNode* pNode = ToNode(rPosition);
    rPosition = pNode ? ToPosition(pNode->pPrev) : nullptr;
    return NodeData(pNode);
}

template <class TYPE, class ARG_TYPE> const TYPE& CList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition) const
{
    return const_cast<CList*>(this)->GetPrev(rPosition);
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::SetAt(POSITION position, ARG_TYPE newElement)
{
    ASSERT(position != nullptr);
    if (position != nullptr)
        ToNode(position)->data = newElement;
}

template <class TYPE, class ARG_TYPE> void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
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

template <class TYPE, class ARG_TYPE>
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

template <class TYPE, class ARG_TYPE>
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

template <class TYPE, class ARG_TYPE>
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

template <class TYPE, class ARG_TYPE> POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return ToPosition(pNode);
}
