#include "app/MainMenu.h"

#include "app/Services.h"
#include "app/WindowSet.h"
#include "app/Widgets.h"
#include "drills/basic/AdditionMenu.h"
#include "drills/basic/DivisionTableMenu.h"
#include "drills/basic/TimesTableMenu.h"
#include "drills/mental/HorizontalAdditionMenu.h"
#include "drills/mental/MentalDivisionMenu.h"
#include "drills/mental/MentalTimesMenu.h"
#include "users/DeletionDialog.h"
#include "users/LoginDialog.h"
#include "users/RecordsMenu.h"
#include "users/RegistrationDialog.h"

#include <QListWidget>

TForm1::TForm1(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(630, 416), QColor(ui::Cream)),
      ListBox1(ui::listBox(this, "ListBox1", {8, 40, 153, 129}, ui::font(16, ui::Bold), 16)),
      Panel8(ui::panel(this, "Panel8", QStringLiteral("とうろく"), {184, 40, 113, 25}, ui::Aqua)),
      Panel9(ui::panel(this, "Panel9", QStringLiteral("きろくをみる"), {184, 88, 113, 25}, ui::Aqua)),
      Panel11(ui::panel(this, "Panel11", QStringLiteral("さくじょ"), {184, 144, 113, 25}, ui::Aqua)),
      Panel1(ui::panel(this, "Panel1", QStringLiteral("たしざん"), {64, 320, 153, 33}, ui::Yellow)),
      Panel3(ui::panel(this, "Panel3", QStringLiteral("かけざん大作戦"), {256, 320, 153, 33}, ui::Yellow)),
      Panel5(ui::panel(this, "Panel5", QStringLiteral("わりざん大作戦"), {448, 320, 153, 33}, ui::Yellow)),
      Panel2(ui::panel(this, "Panel2", QStringLiteral("よこはばくん"), {64, 400, 153, 33}, ui::Yellow)),
      Panel4(ui::panel(this, "Panel4", QStringLiteral("かけあんざん"), {256, 400, 153, 33}, ui::Yellow)),
      Panel6(ui::panel(this, "Panel6", QStringLiteral("わりあんざん"), {448, 400, 153, 33}, ui::Yellow)),
      Panel7(ui::panel(this, "Panel7", QString(), {6, 320, 51, 113}, ui::Yellow)),
      Label2(ui::label(Panel7, "Label2", QStringLiteral("おしまいぼたん"), {19, 13}, ui::font(13, ui::Bold))),
      Image1(ui::picture(this, "Image1", {320, 8, 305, 233})),
      Image2(ui::picture(this, "Image2", {0, 240, 73, 65})),
      Image4(ui::picture(this, "Image4", {80, 240, 73, 57})),
      Image5(ui::picture(this, "Image5", {160, 224, 57, 65})),
      Image10(ui::picture(this, "Image10", {224, 232, 73, 57})),
      Image7(ui::picture(this, "Image7", {312, 240, 73, 49})),
      Image8(ui::picture(this, "Image8", {392, 240, 73, 57})),
      Image13(ui::picture(this, "Image13", {472, 224, 57, 65})),
      Image6(ui::picture(this, "Image6", {552, 232, 65, 57}))
{
    setObjectName(QStringLiteral("Form1"));
    Label2->setVertical(true);
    Label2->setCursor(Qt::ArrowCursor);
    EnableUserPanels(false);

    connect(ListBox1, &QListWidget::itemClicked, this, [this] { guarded([this] { ListBox1Click(); }); });
    on(Panel8, &ButtonPanel::clicked, &TForm1::Panel8Click);
    on(Panel9, &ButtonPanel::clicked, &TForm1::Panel9Click);
    on(Panel11, &ButtonPanel::clicked, &TForm1::Panel11Click);
    on(Panel1, &ButtonPanel::clicked, &TForm1::Panel1Click);
    on(Panel3, &ButtonPanel::clicked, &TForm1::Panel3Click);
    on(Panel5, &ButtonPanel::clicked, &TForm1::Panel5Click);
    on(Panel2, &ButtonPanel::clicked, &TForm1::Panel2Click);
    on(Panel4, &ButtonPanel::clicked, &TForm1::Panel4Click);
    on(Panel6, &ButtonPanel::clicked, &TForm1::Panel6Click);
    on(Panel7, &ButtonPanel::clicked, &TForm1::Panel7Click);
    on(Label2, &GameLabel::clicked, &TForm1::Label2Click);
}

void TForm1::FormCreate()
{
    ScreenModeStep();
    Place();
    Image2->load(QStringLiteral("Graphics\\ｽﾞｸ.bmp"));
    Image4->load(QStringLiteral("Graphics\\ｽﾞｯｷｰ.BMP"));
    Image5->load(QStringLiteral("Graphics\\ピコちゃん顔.BMP"));
    Image10->load(QStringLiteral("Graphics\\みどり　顔.BMP"));
    Image7->load(QStringLiteral("Graphics\\ｽﾞｸ.bmp"));
    Image8->load(QStringLiteral("Graphics\\ｽﾞｯｷｰ.BMP"));
    Image13->load(QStringLiteral("Graphics\\ピコちゃん顔.BMP"));
    Image6->load(QStringLiteral("Graphics\\みどり　顔.BMP"));
    Image1->load(QStringLiteral("Graphics\\ｽﾞｸｽﾞﾌｧﾐﾘｰ.BMP"));
    FillUserList();
}

void TForm1::ScreenModeStep()
{
    // A screen that is already 640 wide or 480 tall keeps its size.
    DisplaySettings &display = services().display;
    const QSize screen = display.screenSize();
    if (screen.width() != 640 && screen.height() != 480)
        display.requestMode(640, 480, display.colorDepth());
}

void TForm1::FillUserList()
{
    ListBox1->clear();
    ListBox1->addItems(windows().userFiles().listUsers());
}

void TForm1::EnableUserPanels(bool enabled)
{
    for (ButtonPanel *panel : {Panel1, Panel2, Panel3, Panel4, Panel5, Panel6, Panel9, Panel11})
        panel->setEnabled(enabled);
}

bool TForm1::FormCloseQuery()
{
    services().display.restore();
    return true;
}

void TForm1::FormClose()
{
    windows().endGame();
}

void TForm1::ListBox1Click()
{
    const QListWidgetItem *item = ListBox1->currentItem();
    if (!item)
        return;
    TPasswordDlg &login = windows().passwordDlg();
    login.Label3->setText(item->text());
    login.Show();
}

void TForm1::Panel8Click()
{
    windows().form10().Show();
}

void TForm1::Panel9Click()
{
    windows().form14().Show();
}

void TForm1::Panel11Click()
{
    windows().form16().Show();
}

void TForm1::chooseDrill(int mode, GameForm &levelMenu)
{
    DrillMode = mode;
    levelMenu.Show();
}

void TForm1::Panel1Click() { chooseDrill(1, windows().form8()); }
void TForm1::Panel3Click() { chooseDrill(2, windows().form17()); }
void TForm1::Panel5Click() { chooseDrill(3, windows().form19()); }
void TForm1::Panel2Click() { chooseDrill(4, windows().form25()); }
void TForm1::Panel4Click() { chooseDrill(5, windows().form9()); }
void TForm1::Panel6Click() { chooseDrill(6, windows().form23()); }

void TForm1::Panel7Click()
{
    Close();
}

void TForm1::Label2Click()
{
    Close();
}
