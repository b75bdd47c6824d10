#include "drills/mental/MentalTimesDrill.h"

#include "app/Widgets.h"

TForm21::TForm21(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form21"));
}
