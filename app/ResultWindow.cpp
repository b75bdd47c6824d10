#include "app/ResultWindow.h"

#include "app/Widgets.h"
#include "app/WindowSet.h"
#include "drills/basic/AdditionDrill.h"
#include "drills/basic/DivisionTableDrill.h"
#include "drills/basic/TimesTableDrill.h"
#include "drills/mental/HorizontalAdditionDrill.h"
#include "drills/mental/MentalDivisionDrill.h"
#include "drills/mental/MentalTimesDrill.h"

TForm22::TForm22(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      Image2(ui::picture(this, "Image2", {120, 0, 489, 497})),
      Label2(ui::label(this, "Label2", QString(), {112, 8}, ui::font(43, ui::Bold))),
      Label3(ui::link(this, "Label3", QStringLiteral("もどる"), {8, 384}, 37))
{
    setObjectName(QStringLiteral("Form22"));
    on(Label3, &GameLabel::clicked, &TForm22::Label3Click);
}

void TForm22::Announce(const QString &picture, const QString &message)
{
    Image2->load(picture);
    Label2->setText(message);
    Show();
}

void TForm22::FormClose()
{
    // The picture stays until the next announcement replaces it.
    Label2->setText(QString());
}

void TForm22::GoBack()
{
    Close();
    const WindowSet &all = windows();
    for (GameForm *drill : std::initializer_list<GameForm *>{
             &all.form11(), &all.form18(), &all.form20(), &all.form21(), &all.form26(),
             &all.form24()})
        drill->Close();
}

void TForm22::Label3Click()
{
    GoBack();
}
