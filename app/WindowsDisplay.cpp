#include "app/WindowsDisplay.h"

#include <windows.h>

QSize WindowsDisplay::screenSize() const
{
    return QSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

int WindowsDisplay::colorDepth() const
{
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDC(desktop);
    const int bits = GetDeviceCaps(dc, BITSPIXEL);
    ReleaseDC(desktop, dc);
    return bits;
}

void WindowsDisplay::requestMode(int width, int height, int bitsPerPixel)
{
    // The first mode the display offers serves as the template of the request;
    // only width, height and depth are marked as set.
    DEVMODEA mode;
    ZeroMemory(&mode, sizeof mode);
    mode.dmSize = sizeof mode;
    for (DWORD index = 0; EnumDisplaySettingsA(nullptr, index, &mode); ++index) {
        mode.dmPelsWidth = static_cast<DWORD>(width);
        mode.dmPelsHeight = static_cast<DWORD>(height);
        mode.dmBitsPerPel = static_cast<DWORD>(bitsPerPixel);
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
        ChangeDisplaySettingsA(&mode, 0);
        return;
    }
}

void WindowsDisplay::restore()
{
    ChangeDisplaySettingsA(nullptr, 0);
}
