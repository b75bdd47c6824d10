#include "users/RegistrationDialog.h"

#include "app/Widgets.h"

TForm10::TForm10(WindowSet &windows)
    : GameForm(windows, Kind::Dialog, QSize(287, 187), QColor(ui::Pink))
{
    setObjectName(QStringLiteral("Form10"));
}
