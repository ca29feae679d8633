// The quicksort of the list grid, over any sequence that can be read by
// position and have two positions exchanged. Three-way partitioning around
// the middle element keeps runs of equal keys linear; the smaller side is
// sorted by recursion and the larger by looping, so the stack stays
// logarithmic; past a depth budget a range is finished by heapsort, so the
// cost stays O(n log n) for every input. Equal keys may change their order.
#pragma once

namespace listsort
{

// keyAt(i) -> key, exchange(i, j), compare(key, key) -> <0, 0, >0.
template <class KeyAt, class Exchange, class Compare> class RangeSorter
{
public:
    RangeSorter(KeyAt keyAt, Exchange exchange, Compare compare)
        : m_keyAt(keyAt), m_exchange(exchange), m_compare(compare)
    {
    }

    void Sort(int nLow, int nHigh)
    {
        if (nLow >= nHigh)
            return;
        int nBudget = 2;
        for (int n = nHigh - nLow + 1; n > 1; n >>= 1)
            nBudget += 2;
        SortRange(nLow, nHigh, nBudget);
    }

private:
    void SortRange(int nLow, int nHigh, int nBudget)
    {
        while (nLow < nHigh)
        {
            if (nBudget-- <= 0)
            {
                HeapSort(nLow, nHigh);
                return;
            }
            int nLess = 0, nGreater = 0;
            Partition(nLow, nHigh, nLess, nGreater);
            // Recurse into the smaller side, loop on the larger one.
            if (nLess - nLow < nHigh - nGreater)
            {
                SortRange(nLow, nLess - 1, nBudget);
                nLow = nGreater + 1;
            }
            else
            {
                SortRange(nGreater + 1, nHigh, nBudget);
                nHigh = nLess - 1;
            }
        }
    }

    // Afterwards [nLow, nLess) < pivot, [nLess, nGreater] == pivot, (nGreater, nHigh] > pivot.
    void Partition(int nLow, int nHigh, int& nLess, int& nGreater)
    {
        const auto pivot = m_keyAt(nLow + (nHigh - nLow) / 2);
        nLess = nLow;
        nGreater = nHigh;
        int i = nLow;
        while (i <= nGreater)
        {
            const int nOrder = m_compare(m_keyAt(i), pivot);
            if (nOrder < 0)
            {
                if (i != nLess)
                    m_exchange(nLess, i);
                ++nLess;
                ++i;
            }
            else if (nOrder > 0)
            {
                if (i != nGreater)
                    m_exchange(i, nGreater);
                --nGreater;
            }
            else
                ++i;
        }
    }

    void HeapSort(int nLow, int nHigh)
    {
        const int nCount = nHigh - nLow + 1;
        for (int nRoot = nCount / 2 - 1; nRoot >= 0; --nRoot)
            SiftDown(nLow, nRoot, nCount);
        for (int nEnd = nCount - 1; nEnd > 0; --nEnd)
        {
            m_exchange(nLow, nLow + nEnd);
            SiftDown(nLow, 0, nEnd);
        }
    }

    void SiftDown(int nBase, int nRoot, int nCount)
    {
        for (;;)
        {
            int nChild = 2 * nRoot + 1;
            if (nChild >= nCount)
                return;
            if (nChild + 1 < nCount && m_compare(m_keyAt(nBase + nChild), m_keyAt(nBase + nChild + 1)) < 0)
                ++nChild;
            if (m_compare(m_keyAt(nBase + nRoot), m_keyAt(nBase + nChild)) >= 0)
                return;
            m_exchange(nBase + nRoot, nBase + nChild);
            nRoot = nChild;
        }
    }

    KeyAt m_keyAt;
    Exchange m_exchange;
    Compare m_compare;
};

template <class KeyAt, class Exchange, class Compare>
void SortRange(int nLow, int nHigh, KeyAt keyAt, Exchange exchange, Compare compare)
{
    RangeSorter<KeyAt, Exchange, Compare>(keyAt, exchange, compare).Sort(nLow, nHigh);
}

}   // namespace listsort
