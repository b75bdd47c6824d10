#pragma once

// The screen on Windows, through the system's display settings: the mode is
// switched for real, for the running program only, and restored at the end.
// Plain functions without Qt, so the file can be compile-checked on its own
// with a Windows cross compiler.
namespace WindowsDisplay {

struct Size
{
    int width;
    int height;
};

Size screenSize();
int colorDepth();
// Asks for a mode of this size and depth; the result is not reported.
void requestMode(int width, int height, int bitsPerPixel);
// Back to the display settings stored by the system.
void restore();

} // namespace WindowsDisplay
