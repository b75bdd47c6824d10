#include "ui/WindowsDisplay.h"

#include <windows.h>

namespace WindowsDisplay {

Size screenSize()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

int colorDepth()
{
    HWND desktop = GetDesktopWindow();
    HDC context = GetDC(desktop);
    const int bits = GetDeviceCaps(context, BITSPIXEL);
    ReleaseDC(desktop, context);
    return bits;
}

void requestMode(int width, int height, int bitsPerPixel)
{
    // The modes the display offers serve as the template of the request;
    // only width, height and depth are marked as set. The first one that the
    // system accepts ends the search.
    DEVMODEA mode;
    ZeroMemory(&mode, sizeof mode);
    mode.dmSize = sizeof mode;
    for (DWORD index = 0; EnumDisplaySettingsA(nullptr, index, &mode); ++index) {
        mode.dmPelsWidth = static_cast<DWORD>(width);
        mode.dmPelsHeight = static_cast<DWORD>(height);
        mode.dmBitsPerPel = static_cast<DWORD>(bitsPerPixel);
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
        if (ChangeDisplaySettingsA(&mode, 0) == DISP_CHANGE_SUCCESSFUL)
            return;
    }
}

void restore()
{
    ChangeDisplaySettingsA(nullptr, 0);
}

} // namespace WindowsDisplay
