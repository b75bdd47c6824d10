#include "drills/mental/MentalTimesMenu.h"

#include "app/Widgets.h"

TForm9::TForm9(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form9"));
}
