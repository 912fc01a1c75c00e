#include "window.h"

namespace fw {

bool Window::RegisterWindowClass(HINSTANCE instance, const char* className, UINT style, HICON icon,
                                 HBRUSH background)
{
    WNDCLASSA existing;
    if (GetClassInfoA(instance, className, &existing))
        return true;
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = &Window::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassA(&wc) != 0;
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                      int height, HWND parent, HMENU menuOrId, HINSTANCE instance)
{
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId, instance, this) !=
           nullptr;
}

bool Window::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    UINT id = 0;
    if (message == WM_COMMAND) {
        if (HIWORD(wParam) > 1)
            return false;
        id = LOWORD(wParam);
    }
    const MessageEntry* entry = FindEntry(message, id);
    if (!entry)
        return false;
    result = entry->thunk(*this, wParam, lParam);
    return true;
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = hwnd;
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    if (message == WM_COMMAND && HIWORD(wParam) <= 1 && self->OnCmdMsg(LOWORD(wParam)))
        return 0;
    if (message != WM_COMMAND && self->DispatchToMap(message, wParam, lParam, result))
        return result;
    result = self->DefaultProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        self->PostNcDestroy();
    }
    return result;
}

}  // namespace fw
