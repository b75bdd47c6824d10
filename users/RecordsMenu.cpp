#include "users/RecordsMenu.h"

#include "ui/Widgets.h"

RecordsMenu::RecordsMenu(GameStage &stage)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
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
    // Each drill's entry opens its records.
    for (const DrillInfo &info : allDrills()) {
        auto *entry = findChild<GameLabel *>(QString::fromLatin1(info.recordsEntry));
        connect(entry, &GameLabel::clicked, this,
                [this, drill = info.drill] { guarded([&] { emit recordsChosen(drill); }); });
    }
    on(Label7, &GameLabel::clicked, &RecordsMenu::Label7Click);
}

void RecordsMenu::FormCreate()
{
    Place();
    loadPicture(Image1, QStringLiteral("Graphics\\みどりとＺＵＫ.bmp"));
}

void RecordsMenu::Label7Click()
{
    closeWindow();
}
