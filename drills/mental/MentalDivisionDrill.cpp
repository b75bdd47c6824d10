#include "drills/mental/MentalDivisionDrill.h"

#include "app/Widgets.h"

TForm24::TForm24(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form24"));
}
