/* The least a window program does: one empty frame window with a message loop, closed by WM_CLOSE. */
#include <windows.h>

static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    WNDCLASSA frameClass = {0};
    MSG msg;
    (void)previous;
    (void)commandLine;
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    frameClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    frameClass.lpszClassName = "Frame";
    RegisterClassA(&frameClass);
    ShowWindow(CreateWindowA("Frame", "Frame", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, NULL, NULL, instance, NULL),
               show);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
