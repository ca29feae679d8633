// A printer DC through CDC: created for the PDF queue by name alone (before
// anything else has touched the spooler), a document started by name and
// abandoned, so that no job is left behind.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "qvtest.h"

namespace
{

TEST(CDCPrinter, DocumentStartedByNameOnThePdfQueueAndAborted)
{
    CDC printer;
    ASSERT_TRUE(printer.CreateDC(nullptr, L"PDF", nullptr, nullptr)) << "the PDF queue is part of the platform set-up";
    EXPECT_EQ(printer.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(printer.GetDeviceCaps(LOGPIXELSY), 300);
    CDC info;
    ASSERT_TRUE(info.CreateIC(nullptr, L"PDF", nullptr, nullptr));
    EXPECT_EQ(info.GetDeviceCaps(HORZRES), printer.GetDeviceCaps(HORZRES));
    EXPECT_GT(printer.SetAbortProc([](HDC, int) -> BOOL { return TRUE; }), 0);
    EXPECT_GT(printer.StartDoc(L"afx_gdi 列印測試"), 0);
    EXPECT_GT(printer.StartPage(), 0);
    EXPECT_TRUE(printer.TextOut(100, 100, CString(L"病歷")));
    EXPECT_NE(printer.AbortDoc(), SP_ERROR);   // Wine answers 0 where Windows answers 1
}

}   // namespace
