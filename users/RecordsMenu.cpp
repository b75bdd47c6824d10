#include "users/RecordsMenu.h"

#include "app/WindowSet.h"
#include "app/Widgets.h"
#include "users/RecordsTable.h"

TForm14::TForm14(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      Label1(ui::link(this, "Label1", QStringLiteral("たしざんのきろく"), {32, 40}, 32, ui::Blue, ui::FixedGothic)),
      Label2(ui::link(this, "Label2", QStringLiteral("かけざん大作戦のきろく"), {32, 96}, 32, ui::Blue, ui::FixedGothic)),
      Label3(ui::link(this, "Label3", QStringLiteral("わりざん大作戦のきろく"), {32, 152}, 32, ui::Blue, ui::FixedGothic)),
      Label4(ui::link(this, "Label4", QStringLiteral("よこはばくんのきろく"), {32, 208}, 32, ui::Blue, ui::FixedGothic)),
      Label5(ui::link(this, "Label5", QStringLiteral("かけあんざんのきろく"), {32, 264}, 32, ui::Blue, ui::FixedGothic)),
      Label6(ui::link(this, "Label6", QStringLiteral("わりあんざんのきろく"), {32, 320}, 32, ui::Blue, ui::FixedGothic)),
      Label7(ui::link(this, "Label7", QStringLiteral("もどる"), {40, 408}, 32, ui::Black)),
      Image1(ui::picture(this, "Image1", {408, 80, 220, 380}))
{
    setObjectName(QStringLiteral("Form14"));
    on(Label1, &GameLabel::clicked, &TForm14::Label1Click);
    on(Label2, &GameLabel::clicked, &TForm14::Label2Click);
    on(Label3, &GameLabel::clicked, &TForm14::Label3Click);
    on(Label4, &GameLabel::clicked, &TForm14::Label4Click);
    on(Label5, &GameLabel::clicked, &TForm14::Label5Click);
    on(Label6, &GameLabel::clicked, &TForm14::Label6Click);
    on(Label7, &GameLabel::clicked, &TForm14::Label7Click);
}

void TForm14::FormCreate()
{
    Place();
    Image1->load(QStringLiteral("Graphics\\みどりとＺＵＫ.bmp"));
}

void TForm14::ShowRecords(int mode)
{
    RecordsMode = mode;
    windows().form15().Show();
}

void TForm14::Label1Click() { ShowRecords(1); }
void TForm14::Label2Click() { ShowRecords(2); }
void TForm14::Label3Click() { ShowRecords(3); }
void TForm14::Label4Click() { ShowRecords(4); }
void TForm14::Label5Click() { ShowRecords(5); }
void TForm14::Label6Click() { ShowRecords(6); }

void TForm14::Label7Click()
{
    Close();
}
