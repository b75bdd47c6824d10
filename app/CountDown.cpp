#include "app/CountDown.h"

#include "app/Widgets.h"

TForm13::TForm13(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form13"));
}
