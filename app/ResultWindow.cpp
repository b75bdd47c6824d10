#include "app/ResultWindow.h"

#include "app/Widgets.h"

TForm22::TForm22(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form22"));
}
