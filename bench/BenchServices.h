#pragma once

#include "ui/Services.h"

// Stand-ins for the display and the speakers, shared by the benchmarks: a
// 640 × 480 screen that is never switched, and silence.

class FixedDisplay : public DisplaySettings
{
public:
    QSize screenSize() const override { return {640, 480}; }
    int colorDepth() const override { return 32; }
    void requestMode(int, int, int) override {}
    void restore() override {}
};

class QuietSound : public SoundPlayer
{
public:
    void play(const QString &) override {}
};
