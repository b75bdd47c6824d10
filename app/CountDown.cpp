#include "app/CountDown.h"

#include "app/MainMenu.h"
#include "app/Services.h"
#include "app/Widgets.h"
#include "app/WindowSet.h"
#include "drills/basic/AdditionDrill.h"
#include "drills/basic/DivisionTableDrill.h"
#include "drills/basic/TimesTableDrill.h"
#include "drills/mental/HorizontalAdditionDrill.h"
#include "drills/mental/MentalDivisionDrill.h"
#include "drills/mental/MentalTimesDrill.h"

#include <QLineEdit>

TForm13::TForm13(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      Image1(ui::picture(this, "Image1", {-40, 104, 473, 241})),
      Image2(ui::picture(this, "Image2", {400, 104, 241, 241})),
      Label1(ui::label(this, "Label1", QStringLiteral("3"), {160, 160}, ui::font(96, ui::Bold),
                       ui::Red)),
      Timer1(makeTimer(1000))
{
    setObjectName(QStringLiteral("Form13"));
    on(Timer1, &GameTimer::timeout, &TForm13::Timer1Timer);
}

QString TForm13::characterPicture(int drillMode)
{
    switch (drillMode) {
    case 1:
    case 4:
        return QStringLiteral("Graphics\\zuk顔3.BMP");
    case 2:
    case 5:
        return QStringLiteral("Graphics\\zukky顔3.BMP");
    case 3:
        return QStringLiteral("Graphics\\ピコちゃん顔4.BMP");
    case 6:
        return QStringLiteral("Graphics\\みどり顔3.BMP");
    default:
        return QString();
    }
}

DrillWindow *TForm13::drillWindow(int drillMode) const
{
    const WindowSet &all = windows();
    switch (drillMode) {
    case 1: return &all.form11();
    case 2: return &all.form18();
    case 3: return &all.form20();
    case 4: return &all.form26();
    case 5: return &all.form21();
    case 6: return &all.form24();
    default: return nullptr;
    }
}

void TForm13::FormCreate()
{
    Place();
    Image1->load(QStringLiteral("Graphics\\f1.bmp"));
}

void TForm13::FormActivate()
{
    const QString picture = characterPicture(windows().form1().DrillMode);
    if (!picture.isEmpty())
        Image2->load(picture);
}

void TForm13::Timer1Timer()
{
    Label1->setText(QString::number(Label1->text().toInt() - 1));
    if (Label1->text() == QStringLiteral("0")) {
        // The 0 is never seen: closing puts the 3 back and starts the drill.
        Close();
        Timer1->setEnabled(false);
    }
}

void TForm13::FormClose()
{
    Label1->setText(QStringLiteral("3"));
    if (DrillWindow *drill = drillWindow(windows().form1().DrillMode)) {
        drill->Timer1->setEnabled(true);
        drill->Edit1->setEnabled(true);
        drill->Show();
    }
}
