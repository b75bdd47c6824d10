#include "drills/mental/HorizontalAdditionMenu.h"

#include "app/Widgets.h"

TForm25::TForm25(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::PaleCream))
{
    setObjectName(QStringLiteral("Form25"));
}
