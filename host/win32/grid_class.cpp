#include "grid_class.h"

namespace torvik::host {
namespace {

constexpr int kCellWidth = 64, kCellHeight = 18, kHeaderWidth = 32;

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT header_row{0, 0, client.right, kCellHeight}, header_column{0, 0, kHeaderWidth, client.bottom};
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    FillRect(dc, &header_row, face);
    FillRect(dc, &header_column, face);
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, RGB(192, 192, 192));
    for (int x = kHeaderWidth; x < client.right; x += kCellWidth) {
        MoveToEx(dc, x, 0, nullptr);
        LineTo(dc, x, client.bottom);
    }
    for (int y = kCellHeight; y < client.bottom; y += kCellHeight) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, client.right, y);
    }
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    wchar_t label[8];
    for (int c = 0, x = kHeaderWidth; x < client.right; ++c, x += kCellWidth) {
        wsprintfW(label, L"%c", L'A' + c % 26);
        RECT cell{x, 0, x + kCellWidth, kCellHeight};
        DrawTextW(dc, label, -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    for (int r = 1, y = kCellHeight; y < client.bottom; ++r, y += kCellHeight) {
        wsprintfW(label, L"%d", r);
        RECT cell{0, y, kHeaderWidth, y + kCellHeight};
        DrawTextW(dc, label, -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, old_font);
    SelectObject(dc, old_pen);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK grid_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: paint(hwnd); return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default: return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace

bool register_grid_class() {
    WNDCLASSW wc{};
    wc.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = grid_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kGridClass;
    return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace torvik::host
