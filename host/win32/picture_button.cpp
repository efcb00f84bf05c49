#include "picture_button.h"

#include <string>

namespace torvik::host {

wchar_t picture_state_letter(UINT state) {
    if (state & ODS_DISABLED) return L'X';
    if (state & ODS_SELECTED) return L'D';
    if (state & ODS_FOCUS) return L'F';
    return L'U';
}

bool draw_picture_button(HMODULE module, const DRAWITEMSTRUCT& item) {
    wchar_t caption[32] = {};
    GetWindowTextW(item.hwndItem, caption, 32);
    std::wstring name = std::wstring(caption) + picture_state_letter(item.itemState);
    HBITMAP bitmap = LoadBitmapW(module, name.c_str());
    if (!bitmap) return false;
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    HDC source = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(source, bitmap);
    const RECT& r = item.rcItem;
    SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
    return true;
}

}  // namespace torvik::host
