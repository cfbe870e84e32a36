/* The start-up time of a program with a tray icon, measured from inside the
   desktop: the pixels of a strip of the notification area are taken, the
   program is started, and the strip is read again every millisecond until it
   changes, which is when the program's icon appears in it. Prints the
   milliseconds; the program goes on running.
       tray-stopwatch.exe LEFT TOP WIDTH HEIGHT COMMAND-LINE */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define TIMEOUT_MS 30000

/* The strip's pixels, 32 bits each, into `pixels`. */
static void ReadStrip(HDC screen, HDC memory, HBITMAP bitmap, int left, int top, int width, int height,
                      DWORD *pixels) {
    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    GetDIBits(memory, bitmap, 0, (UINT)height, pixels, &info, DIB_RGB_COLORS);
}

int wmain(int argc, wchar_t **argv) {
    int left, top, width, height;
    size_t bytes;
    DWORD *before, *now;
    HDC screen, memory;
    HBITMAP bitmap;
    LARGE_INTEGER frequency, started, seen;
    STARTUPINFOW startup;
    PROCESS_INFORMATION process;
    double elapsed = -1;

    if (argc != 6) {
        fputs("usage: tray-stopwatch LEFT TOP WIDTH HEIGHT COMMAND-LINE\n", stderr);
        return 2;
    }
    left = _wtoi(argv[1]);
    top = _wtoi(argv[2]);
    width = _wtoi(argv[3]);
    height = _wtoi(argv[4]);
    bytes = (size_t)width * (size_t)height * sizeof(DWORD);
    before = malloc(bytes);
    now = malloc(bytes);
    screen = GetDC(NULL);
    memory = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, width, height);
    SelectObject(memory, bitmap);
    ReadStrip(screen, memory, bitmap, left, top, width, height, before);

    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(NULL, argv[5], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
        return 1;
    }
    for (;;) {
        ReadStrip(screen, memory, bitmap, left, top, width, height, now);
        QueryPerformanceCounter(&seen);
        if (memcmp(before, now, bytes) != 0) {
            elapsed = (double)(seen.QuadPart - started.QuadPart) * 1000.0 / (double)frequency.QuadPart;
            break;
        }
        if ((seen.QuadPart - started.QuadPart) * 1000 > TIMEOUT_MS * frequency.QuadPart) break;
        Sleep(1);
    }
    printf("%.1f\n", elapsed);
    return elapsed < 0 ? 1 : 0;
}
