#include "drills/mental/HorizontalAdditionDrill.h"

#include "app/Widgets.h"

TForm26::TForm26(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::PaleCream))
{
    setObjectName(QStringLiteral("Form26"));
}
