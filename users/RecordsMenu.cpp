#include "users/RecordsMenu.h"

#include "ui/Widgets.h"

RecordsMenu::RecordsMenu(GameStage &stage)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form14"));
    // Each drill's entry opens its records.
    for (const DrillInfo &info : allDrills()) {
        GameLabel *entry = ui::link(this, info.recordsEntry, info.recordsCaption.toString(),
                                    info.recordsPlace, 32, ui::Blue, ui::FixedGothic);
        connect(entry, &GameLabel::clicked, this,
                [this, drill = info.drill] { guarded([&] { emit recordsChosen(drill); }); });
    }
    Label7 = ui::link(this, "Label7", QStringLiteral("もどる"), {40, 408}, 32, ui::Black);
    Image1 = ui::picture(this, "Image1", {408, 80, 220, 380});
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
