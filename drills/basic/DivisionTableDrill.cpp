#include "drills/basic/DivisionTableDrill.h"

#include "app/Widgets.h"

TForm20::TForm20(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form20"));
}
