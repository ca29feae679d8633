// Character heights of the button faces, from a table of sizes in millimetres.
#include "control/bitmapbutton.h"

namespace
{

const double kCharHeightMillimetres[] = {
    14.8, 12.7, 9.17, 8.47, 7.76, 6.35, 5.64, 5.29, 4.94, 4.23, 3.7, 3.17, 2.65, 2.29, 1.94, 1.76,
};
const int kHeightCount = static_cast<int>(sizeof(kCharHeightMillimetres) / sizeof(kCharHeightMillimetres[0]));
const double kDefaultMillimetres = 3.7;
const double kMillimetresPerInch = 25.4;

int MillimetresToPixels(CDC* pDC, double dMillimetres)
{
    const int nPixelsPerInch = pDC != nullptr ? pDC->GetDeviceCaps(LOGPIXELSY) : 0;
    return static_cast<int>(nPixelsPerInch * dMillimetres / kMillimetresPerInch);
}

// The table entry nearest to dMillimetres; a tie goes to the smaller size.
int NearestEntry(double dMillimetres)
{
    if (dMillimetres >= kCharHeightMillimetres[0])
        return 0;
    for (int i = 0; i + 1 < kHeightCount; ++i)
    {
        const double dUpper = kCharHeightMillimetres[i];
        const double dLower = kCharHeightMillimetres[i + 1];
        if (dMillimetres == dLower)
            return i + 1;
        if (dMillimetres < dUpper && dMillimetres > dLower)
            return dMillimetres - dLower <= dUpper - dMillimetres ? i + 1 : i;
    }
    return kHeightCount - 1;
}

}   // namespace

int CMyBitmapButton::GetRealFontHeight(CDC* pDC, int nIndex)
{
    const double dMillimetres =
        nIndex >= 0 && nIndex < kHeightCount ? kCharHeightMillimetres[nIndex] : kDefaultMillimetres;
    return MillimetresToPixels(pDC, dMillimetres);
}

int CMyBitmapButton::GetNearFontHeight(CDC* pDC, double dMillimetres)
{
    return MillimetresToPixels(pDC, kCharHeightMillimetres[NearestEntry(dMillimetres)]);
}
