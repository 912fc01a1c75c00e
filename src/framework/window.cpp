#include "window.h"

namespace fw {

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

}  // namespace fw
