#include "drills/mental/MentalDivisionMenu.h"

#include "app/Widgets.h"

TForm23::TForm23(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form23"));
}
