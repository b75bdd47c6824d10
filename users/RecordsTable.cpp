#include "users/RecordsTable.h"

#include "app/Widgets.h"

TForm15::TForm15(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form15"));
}
