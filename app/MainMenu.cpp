#include "app/MainMenu.h"

#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/Session.h"

#include <QListWidget>

MainMenu::MainMenu(GameStage &stage, users::Session &session)
    : GameWindow(stage, Kind::FullScreen, QSize(630, 416), QColor(ui::Cream)),
      m_session(session),
      ListBox1(ui::listBox(this, "ListBox1", {8, 40, 153, 129}, ui::font(16, ui::Bold), 16)),
      Panel8(ui::panel(this, "Panel8", QStringLiteral("とうろく"), {184, 40, 113, 25}, ui::Aqua)),
      Panel9(ui::panel(this, "Panel9", QStringLiteral("きろくをみる"), {184, 88, 113, 25}, ui::Aqua)),
      Panel11(ui::panel(this, "Panel11", QStringLiteral("さくじょ"), {184, 144, 113, 25}, ui::Aqua)),
      m_drillButtons(makeDrillButtons()),
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
    on(Panel8, &ButtonPanel::clicked, &MainMenu::Panel8Click);
    on(Panel9, &ButtonPanel::clicked, &MainMenu::Panel9Click);
    on(Panel11, &ButtonPanel::clicked, &MainMenu::Panel11Click);
    // Each drill's button shows its level menu.
    for (std::size_t i = 0; i < allDrills().size(); ++i) {
        connect(m_drillButtons[i], &ButtonPanel::clicked, this,
                [this, drill = allDrills()[i].drill] { guarded([&] { ChooseDrill(drill); }); });
    }
    on(Panel7, &ButtonPanel::clicked, &MainMenu::Panel7Click);
    on(Label2, &GameLabel::clicked, &MainMenu::Label2Click);
}

std::array<ButtonPanel *, DrillCount> MainMenu::makeDrillButtons()
{
    std::array<ButtonPanel *, DrillCount> buttons{};
    for (std::size_t i = 0; i < allDrills().size(); ++i) {
        const DrillInfo &info = allDrills()[i];
        buttons[i] = ui::panel(this, info.menuButton, info.menuCaption.toString(), info.menuPlace,
                               ui::Yellow);
    }
    return buttons;
}

void MainMenu::FormCreate()
{
    ScreenModeStep();
    Place();
    loadPicture(Image2, QStringLiteral("Graphics\\ｽﾞｸ.bmp"));
    loadPicture(Image4, QStringLiteral("Graphics\\ｽﾞｯｷｰ.BMP"));
    loadPicture(Image5, QStringLiteral("Graphics\\ピコちゃん顔.BMP"));
    loadPicture(Image10, QStringLiteral("Graphics\\みどり　顔.BMP"));
    loadPicture(Image7, QStringLiteral("Graphics\\ｽﾞｸ.bmp"));
    loadPicture(Image8, QStringLiteral("Graphics\\ｽﾞｯｷｰ.BMP"));
    loadPicture(Image13, QStringLiteral("Graphics\\ピコちゃん顔.BMP"));
    loadPicture(Image6, QStringLiteral("Graphics\\みどり　顔.BMP"));
    loadPicture(Image1, QStringLiteral("Graphics\\ｽﾞｸｽﾞﾌｧﾐﾘｰ.BMP"));
    FillUserList();
}

void MainMenu::ScreenModeStep()
{
    // A screen that is already 640 wide or 480 tall keeps its size.
    DisplaySettings &display = services().display;
    const QSize screen = display.screenSize();
    if (screen.width() != 640 && screen.height() != 480)
        display.requestMode(640, 480, display.colorDepth());
}

void MainMenu::FillUserList()
{
    ListBox1->clear();
    ListBox1->addItems(m_session.files.listUsers());
}

void MainMenu::AddUser(const QString &name)
{
    ListBox1->addItem(name);
}

void MainMenu::EnableUserPanels(bool enabled)
{
    for (ButtonPanel *panel : m_drillButtons)
        panel->setEnabled(enabled);
    Panel9->setEnabled(enabled);
    Panel11->setEnabled(enabled);
}

void MainMenu::MarkChildPlaying()
{
    const QList<QListWidgetItem *> playing =
        Panel9->isEnabled() ? ListBox1->findItems(m_session.UserName, Qt::MatchExactly)
                            : QList<QListWidgetItem *>();
    if (playing.isEmpty()) {
        ListBox1->setCurrentItem(nullptr);
        ListBox1->clearSelection();
    } else {
        ListBox1->setCurrentItem(playing.front());
    }
}

bool MainMenu::FormCloseQuery()
{
    services().display.restore();
    return true;
}

void MainMenu::FormClose()
{
    emit closed();
}

void MainMenu::ListBox1Click()
{
    const QListWidgetItem *item = ListBox1->currentItem();
    if (!item)
        return;
    emit childPicked(item->text());
}

void MainMenu::Panel8Click()
{
    emit registrationAsked();
}

void MainMenu::Panel9Click()
{
    emit recordsAsked();
}

void MainMenu::Panel11Click()
{
    emit deletionAsked();
}

void MainMenu::ChooseDrill(Drill drill)
{
    DrillMode = drill;
    emit drillChosen(drill);
}

void MainMenu::Panel7Click()
{
    closeWindow();
}

void MainMenu::Label2Click()
{
    closeWindow();
}
