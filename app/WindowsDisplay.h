#pragma once

#include "app/Services.h"

// The screen on Windows: the display mode is switched for real with the
// system's display settings, for the running program only.
class WindowsDisplay : public DisplaySettings
{
public:
    QSize screenSize() const override;
    int colorDepth() const override;
    void requestMode(int width, int height, int bitsPerPixel) override;
    void restore() override;
};
