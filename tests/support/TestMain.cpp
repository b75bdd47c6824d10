#include "ui/Widgets.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a real (headless) application object, so the
// game's windows can be made and driven.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                  : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    // As the game does on Windows.
    QApplication::setStyle(QStringLiteral("Fusion"));
#endif
    QApplication::setApplicationDisplayName(QStringLiteral("すうじのしま"));
    ui::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
