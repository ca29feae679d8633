// The handle maps of DCs, GDI objects, menus and image lists: temporary
// wrappers borrow, permanent ones own, and each module has maps of its own.
#include <gtest/gtest.h>
#include <type_traits>
#include "afxcmn.h"
#include "probe/probe_dll.h"
#include "qvtest.h"

namespace
{

// Walks one handle through a temporary wrapper, an owner that detaches and
// attaches again, and the owner's end. `alive` is null where a destroyed
// handle cannot be asked about safely.
template <class Wrapper, class Handle>
void CheckOwnership(const char* kind, Handle handle, bool (*alive)(std::type_identity_t<Handle>))
{
    SCOPED_TRACE(kind);
    Wrapper* temporary = Wrapper::FromHandle(handle);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(Wrapper::FromHandle(handle), temporary) << "the same temporary until the sweep";
    EXPECT_EQ(Wrapper::FromHandlePermanent(handle), nullptr);
    Wrapper::DeleteTempMap();
    if (alive != nullptr)
    {
        EXPECT_TRUE(alive(handle)) << "a temporary wrapper destroyed what it borrowed";
    }
    {
        Wrapper owner;
        ASSERT_TRUE(owner.Attach(handle));
        EXPECT_EQ(Wrapper::FromHandle(handle), &owner);
        EXPECT_EQ(owner.Detach(), handle);
        EXPECT_EQ(Wrapper::FromHandlePermanent(handle), nullptr) << "a detached wrapper stayed in the map";
        ASSERT_TRUE(owner.Attach(handle));
        EXPECT_EQ(Wrapper::FromHandlePermanent(handle), &owner);
    }
    if (alive != nullptr)
    {
        EXPECT_FALSE(alive(handle)) << "the owner did not destroy its handle";
    }
    EXPECT_EQ(Wrapper::FromHandlePermanent(handle), nullptr);
    EXPECT_EQ(Wrapper::FromHandle(Handle()), nullptr);
}

bool IsGdiObject(HGDIOBJ handle)
{
    return ::GetObjectType(handle) != 0;
}
bool IsDC(HDC handle)
{
    return ::GetObjectType(handle) != 0;
}
bool IsMenu(HMENU handle)
{
    return ::IsMenu(handle) != FALSE;
}

TEST(HandleMaps, TemporaryWrappersBorrowAndOwnersDestroy)
{
    CheckOwnership<CDC>("DC", ::CreateCompatibleDC(nullptr), &IsDC);
    HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_TRUE(CBrush::FromHandle(hBrush)->IsKindOf(RUNTIME_CLASS(CBrush))) << "a temporary of the object's class";
    CheckOwnership<CGdiObject>("GDI object", static_cast<HGDIOBJ>(hBrush), &IsGdiObject);
    CheckOwnership<CMenu>("menu", ::CreatePopupMenu(), &IsMenu);
    CheckOwnership<CImageList>("image list", ImageList_Create(8, 8, ILC_COLOR24, 1, 1), nullptr);
}

TEST(HandleMaps, ASecondCreateOnAFullWrapperFailsWithoutLeaking)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 1, nullptr));
    const HGDIOBJ hFirst = bitmap.m_hObject;
    const LONG failuresBefore = AfxGetAssertFailureCount();
    EXPECT_FALSE(bitmap.CreateBitmap(8, 8, 1, 1, nullptr));
    EXPECT_EQ(AfxGetAssertFailureCount(), failuresBefore + 1);
    EXPECT_EQ(bitmap.m_hObject, hFirst);
}

TEST(HandleMaps, EachModuleFindsOnlyItsOwnWrappers)
{
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    EXPECT_FALSE(ProbeHasImageList(list.GetSafeHandle())) << "the DLL found the program's image list";
    EXPECT_FALSE(ProbeHasMenu(menu.GetSafeHmenu())) << "the DLL found the program's menu";
    EXPECT_FALSE(ProbeHasGdiObject(pen.m_hObject)) << "the DLL found the program's pen";
    // And the other way round; the program's temporary wrapper leaves the DLL's list alone.
    const HIMAGELIST hProbe = ProbeMakeImageList();
    ASSERT_NE(hProbe, nullptr);
    EXPECT_TRUE(ProbeHasImageList(hProbe));
    EXPECT_EQ(CImageList::FromHandlePermanent(hProbe), nullptr);
    ASSERT_NE(CImageList::FromHandle(hProbe), nullptr);
    CImageList::DeleteTempMap();
    int cx = 0;
    int cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(hProbe, &cx, &cy));
    ProbeReleaseImageList();
    EXPECT_FALSE(ProbeHasImageList(hProbe));
}

}   // namespace
