/* The floor of the benchmark: a program that does nothing but start the editor through the shell, as
   EDJUMP.EXE does for "/J12 a.txt" with the template "%F+%R". EDITOR_PATH comes from scripts/bench. */
#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    ShellExecuteA(NULL, NULL, EDITOR_PATH, "a.txt+12", NULL, SW_SHOW);
    return 0;
}
