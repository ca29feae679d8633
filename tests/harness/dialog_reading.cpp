#include "dialog_reading.h"

#include <algorithm>
#include <set>

namespace qvtest
{
namespace
{

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::vector<HWND> Children(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

bool IsButton(HWND window)
{
    return _wcsicmp(ClassOf(window).c_str(), L"Button") == 0;
}

bool IsStatic(HWND window)
{
    return _wcsicmp(ClassOf(window).c_str(), L"Static") == 0;
}

bool IsMessageBoxButtonId(int id)
{
    return id >= IDOK && id <= IDCONTINUE;
}

UINT ButtonSetStyle(std::set<int> ids)
{
    ids.erase(IDHELP);
    struct Set
    {
        std::set<int> ids;
        UINT style;
    };
    static const Set sets[] = {
        {{IDOK}, MB_OK},
        {{IDOK, IDCANCEL}, MB_OKCANCEL},
        {{IDABORT, IDRETRY, IDIGNORE}, MB_ABORTRETRYIGNORE},
        {{IDYES, IDNO, IDCANCEL}, MB_YESNOCANCEL},
        {{IDYES, IDNO}, MB_YESNO},
        {{IDRETRY, IDCANCEL}, MB_RETRYCANCEL},
        {{IDCANCEL, IDTRYAGAIN, IDCONTINUE}, MB_CANCELTRYCONTINUE},
    };
    for (const auto& set : sets)
        if (set.ids == ids)
            return set.style;
    return MB_OK;
}

UINT IconStyle(HWND dialog)
{
    struct Icon
    {
        LPCWSTR id;
        UINT style;
    };
    static const Icon icons[] = {
        {IDI_HAND, MB_ICONHAND},
        {IDI_QUESTION, MB_ICONQUESTION},
        {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
        {IDI_ASTERISK, MB_ICONASTERISK},
    };
    for (HWND child : Children(dialog))
    {
        if (!IsStatic(child))
            continue;
        auto shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        if (!shown)
            continue;
        // The system icons are shared: the box shows the very handle LoadIcon returns.
        for (const auto& icon : icons)
            if (LoadIconW(nullptr, icon.id) == shown)
                return icon.style;
    }
    return 0;
}

}   // namespace

bool IsDialogWindow(HWND window)
{
    return window && ClassOf(window) == L"#32770";
}

std::wstring WindowText(HWND window)
{
    int length = GetWindowTextLengthW(window);
    std::wstring text(size_t(length) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::wstring DialogItemText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item ? WindowText(item) : std::wstring();
}

bool LooksLikeMessageBox(HWND dialog)
{
    bool hasText = false;
    bool hasIconHolder = false;
    bool hasButton = false;
    for (HWND child : Children(dialog))
    {
        const int id = GetDlgCtrlID(child);
        if (IsStatic(child))
        {
            hasText = hasText || id == kMessageBoxTextId;
            // The platform's box always has its icon static, with or without an icon.
            hasIconHolder = hasIconHolder || (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        }
        else if (IsButton(child) && IsMessageBoxButtonId(id))
        {
            hasButton = true;
        }
        else
        {
            return false;
        }
    }
    return hasText && hasIconHolder && hasButton;
}

std::vector<int> MessageBoxButtons(HWND dialog)
{
    std::vector<HWND> buttons;
    for (HWND child : Children(dialog))
        if (IsButton(child) && IsMessageBoxButtonId(GetDlgCtrlID(child)) &&
            (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
            buttons.push_back(child);
    auto left = [](HWND h)
    {
        RECT r{};
        GetWindowRect(h, &r);
        return r.left;
    };
    std::stable_sort(buttons.begin(), buttons.end(), [&](HWND a, HWND b) { return left(a) < left(b); });
    std::vector<int> ids;
    for (HWND b : buttons)
        ids.push_back(GetDlgCtrlID(b));
    return ids;
}

UINT MessageBoxStyleOf(HWND dialog, HWND focusedChild)
{
    const std::vector<int> buttons = MessageBoxButtons(dialog);
    UINT style = ButtonSetStyle(std::set<int>(buttons.begin(), buttons.end()));
    if (std::find(buttons.begin(), buttons.end(), IDHELP) != buttons.end())
        style |= MB_HELP;
    if (focusedChild && GetParent(focusedChild) == dialog)
    {
        auto at = std::find(buttons.begin(), buttons.end(), GetDlgCtrlID(focusedChild));
        if (at != buttons.end())
            style |= UINT(at - buttons.begin()) << 8;   // MB_DEFBUTTON1..4
    }
    return style | IconStyle(dialog);
}

}   // namespace qvtest
