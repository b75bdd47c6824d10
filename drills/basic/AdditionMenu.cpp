#include "drills/basic/AdditionMenu.h"

#include "app/Widgets.h"

TForm8::TForm8(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form8"));
}
