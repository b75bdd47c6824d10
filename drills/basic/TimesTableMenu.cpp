#include "drills/basic/TimesTableMenu.h"

#include "app/Widgets.h"

TForm17::TForm17(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form17"));
}
