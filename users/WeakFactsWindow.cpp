#include "users/WeakFactsWindow.h"

#include "ui/Widgets.h"
#include "users/FactMap.h"
#include "users/FactMapView.h"
#include "users/Session.h"

WeakFactsWindow::WeakFactsWindow(GameStage &stage, users::Session &session)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      m_session(session),
      Label1(ui::label(this, "Label1", QString(), {16, 12}, ui::font(24, ui::Bold))),
      PaintBox1(new FactMapView(this)),
      Label2(ui::link(this, "Label2", QStringLiteral("もどる"), {552, 432}, 27, ui::Black))
{
    setObjectName(QStringLiteral("WeakFactsWindow"));
    PaintBox1->setGeometry(8, 48, 624, 376);
    on(Label2, &GameLabel::clicked, &WeakFactsWindow::Label2Click);
}

void WeakFactsWindow::ShowMap(Drill drill)
{
    MapMode = drill;
    openWindow();
}

QString WeakFactsWindow::Mark(int row, int column) const
{
    return PaintBox1->showsGrid() ? users::markOf(PaintBox1->grid().at(row, column)) : QString();
}

QStringList WeakFactsWindow::Figures(int level) const
{
    if (PaintBox1->showsGrid())
        return {};
    for (const users::LevelFigures &figures : PaintBox1->levels()) {
        if (figures.level == level && figures.played())
            return {figures.shareText(), figures.rateText()};
    }
    return {};
}

void WeakFactsWindow::FormActivate()
{
    Label1->setText(drillInfo(MapMode).menuCaption.toString() + QStringLiteral("の にがて"));
    // The map stands empty until the memory is read: one that cannot be
    // read ends the handler here, reported, and no fact is shown.
    const auto show = [this](const users::DrillMemory &memory) {
        if (users::hasFactGrid(MapMode))
            PaintBox1->setGrid(users::factGrid(MapMode, memory));
        else
            PaintBox1->setLevels(users::levelFigures(MapMode, memory));
    };
    show({});
    show(m_session.files.readMemory(m_session.UserName).of(MapMode));
}

void WeakFactsWindow::Label2Click()
{
    closeWindow();
}
