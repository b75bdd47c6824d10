#include "drills/basic/TimesTableDrill.h"

#include "app/Widgets.h"

TForm18::TForm18(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form18"));
}
