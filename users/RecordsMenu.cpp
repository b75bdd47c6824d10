#include "users/RecordsMenu.h"

#include "app/Widgets.h"

TForm14::TForm14(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form14"));
}
