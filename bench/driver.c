/* Runs the commands of a list in turn, A B C A B C ..., and prints for each the median time from its start
   until it ended and until the editor it started was created. Every process a command starts is kept in a
   job, whose messages tell when each one was created and when the last one ended.
   With --window in place of the editor's name, the commands are window programs instead: the times are
   from the start until the main window is shown and the program waits for input, and until it ended
   after being asked to close.

   BENCH_DRIVER.EXE LIST RUNS WARMUP EDITOR_NAME|--window, where LIST holds one "label|command line" per line. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define MAX_COMMANDS 8
#define MAX_RUNS 1000

typedef struct {
    char label[64];
    char line[1024];
    double exitMs[MAX_RUNS];
    double editorMs[MAX_RUNS];
    int runs;
    int started; /* runs in which the editor was started */
} Command;

static LARGE_INTEGER frequency;

static double MsSince(LARGE_INTEGER start)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)(now.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart;
}

#define MAX_STARTED 16

/* A process that a command started; its name is known only once it has got going, so it is asked later. */
typedef struct {
    HANDLE handle;
    double at;
} Started;

static int IsEditor(HANDLE process, const char* editorName)
{
    char path[MAX_PATH];
    DWORD length = sizeof path;
    const char* name;
    if (!process || !QueryFullProcessImageNameA(process, 0, path, &length))
        return 0;
    name = strrchr(path, '\\');
    return lstrcmpiA(name ? name + 1 : path, editorName) == 0;
}

/* One run of a command; 0 when it did not end within the deadline. */
static int RunOnce(const char* commandLine, const char* editorName, double* exitMs, double* editorMs)
{
    HANDLE job = CreateJobObjectA(NULL, NULL);
    HANDLE port = CreateIoCompletionPort(INVALID_HANDLE_VALUE, NULL, 0, 1);
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association;
    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    char line[1024];
    LARGE_INTEGER start;
    Started started[MAX_STARTED];
    int startedCount = 0, i;
    int ended = 0;

    association.CompletionKey = job;
    association.CompletionPort = port;
    SetInformationJobObject(job, JobObjectAssociateCompletionPortInformation, &association, sizeof association);
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    lstrcpynA(line, commandLine, sizeof line);
    *exitMs = *editorMs = -1;

    QueryPerformanceCounter(&start);
    if (!CreateProcessA(NULL, line, NULL, NULL, FALSE, CREATE_SUSPENDED, NULL, NULL, &startup, &process)) {
        fprintf(stderr, "cannot start: %s\n", commandLine);
        return 0;
    }
    AssignProcessToJobObject(job, process.hProcess);
    ResumeThread(process.hThread);
    for (;;) {
        DWORD message;
        ULONG_PTR key;
        LPOVERLAPPED data;
        if (!GetQueuedCompletionStatus(port, &message, &key, &data, 30000))
            break;
        const double at = MsSince(start);
        const DWORD pid = (DWORD)(ULONG_PTR)data;
        if (message == JOB_OBJECT_MSG_NEW_PROCESS && pid != process.dwProcessId && startedCount < MAX_STARTED) {
            started[startedCount].handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
            started[startedCount++].at = at;
        } else if (message == JOB_OBJECT_MSG_EXIT_PROCESS && pid == process.dwProcessId)
            *exitMs = at;
        else if (message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) {
            ended = 1;
            break;
        }
    }
    if (!ended)
        TerminateJobObject(job, 1);
    for (i = 0; i < startedCount; ++i) {
        if (*editorMs < 0 && IsEditor(started[i].handle, editorName))
            *editorMs = started[i].at;
        if (started[i].handle)
            CloseHandle(started[i].handle);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(port);
    CloseHandle(job);
    return ended;
}

typedef struct {
    DWORD processId;
    HWND found;
} WindowSearch;

static BOOL CALLBACK FindShownWindow(HWND window, LPARAM context)
{
    WindowSearch* search = (WindowSearch*)context;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    search->found = window;
    return FALSE;
}

/* One run of a window program: *readyMs when its main window was up and it waited for input, *exitMs when
   it ended after WM_CLOSE; 0 when it did not get there within the deadline. */
static int RunWindowOnce(const char* commandLine, double* readyMs, double* exitMs)
{
    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    char line[1024];
    LARGE_INTEGER start;
    WindowSearch search;
    int ok = 0;

    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    lstrcpynA(line, commandLine, sizeof line);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(NULL, line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        fprintf(stderr, "cannot start: %s\n", commandLine);
        return 0;
    }
    search.processId = process.dwProcessId;
    search.found = NULL;
    while (MsSince(start) < 30000) {
        /* Idle before the window exists would be too early: wait for both. */
        if (WaitForInputIdle(process.hProcess, 30000) != 0)
            break;
        EnumWindows(FindShownWindow, (LPARAM)&search);
        if (search.found)
            break;
        Sleep(1);
    }
    if (search.found) {
        *readyMs = MsSince(start);
        PostMessageA(search.found, WM_CLOSE, 0, 0);
        ok = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
        *exitMs = MsSince(start);
    }
    if (!ok)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ok;
}

static int CompareDoubles(const void* a, const void* b)
{
    const double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y;
}

static double Median(double* values, int count)
{
    if (count == 0)
        return -1;
    qsort(values, count, sizeof *values, CompareDoubles);
    return count % 2 ? values[count / 2] : (values[count / 2 - 1] + values[count / 2]) / 2;
}

int main(int argc, char** argv)
{
    Command commands[MAX_COMMANDS];
    int count = 0;
    char text[1100];
    FILE* list;
    int runs, warmup, run, i;

    if (argc != 5 || !(list = fopen(argv[1], "r"))) {
        fprintf(stderr, "usage: BENCH_DRIVER.EXE LIST RUNS WARMUP EDITOR_NAME|--window\n");
        return 2;
    }
    runs = atoi(argv[2]);
    warmup = atoi(argv[3]);
    if (runs < 1 || runs > MAX_RUNS)
        return 2;
    while (count < MAX_COMMANDS && fgets(text, sizeof text, list)) {
        char* bar = strchr(text, '|');
        if (!bar)
            continue;
        text[strcspn(text, "\r\n")] = '\0';
        *bar = '\0';
        memset(&commands[count], 0, sizeof commands[count]);
        lstrcpynA(commands[count].label, text, sizeof commands[count].label);
        lstrcpynA(commands[count].line, bar + 1, sizeof commands[count].line);
        ++count;
    }
    fclose(list);
    QueryPerformanceFrequency(&frequency);

    for (run = -warmup; run < runs; ++run) {
        for (i = 0; i < count; ++i) {
            Command* c = &commands[i];
            double exitMs, editorMs;
            const int windowMode = strcmp(argv[4], "--window") == 0;
            if (!(windowMode ? RunWindowOnce(c->line, &editorMs, &exitMs)
                             : RunOnce(c->line, argv[4], &exitMs, &editorMs))) {
                fprintf(stderr, "%s did not end within 30 s\n", c->label);
                return 1;
            }
            if (run < 0)
                continue;
            if (editorMs >= 0)
                c->editorMs[c->started++] = editorMs;
            c->exitMs[c->runs++] = exitMs;
        }
    }
    for (i = 0; i < count; ++i) {
        Command* c = &commands[i];
        printf("%s %.1f %.1f %d %d\n", c->label, Median(c->exitMs, c->runs), Median(c->editorMs, c->started),
               c->runs, c->started);
    }
    return 0;
}
