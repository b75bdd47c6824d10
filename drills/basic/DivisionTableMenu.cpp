#include "drills/basic/DivisionTableMenu.h"

#include "app/Widgets.h"

TForm19::TForm19(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form19"));
}
