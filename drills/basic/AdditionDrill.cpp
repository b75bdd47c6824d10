#include "drills/basic/AdditionDrill.h"

#include "app/Widgets.h"

TForm11::TForm11(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form11"));
}
