#include "users/WeakFactsWindow.h"

#include "ui/Widgets.h"
#include "users/ChildRecords.h"
#include "users/FactMap.h"
#include "users/FactMapView.h"
#include "users/FactMemory.h"
#include "users/RoundRecord.h"
#include "users/Session.h"
#include "users/UserFiles.h"
#include "ui/IoError.h"

#include <algorithm>

WeakFactsWindow::WeakFactsWindow(GameStage &stage, users::Session &session)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      m_session(session),
      Label1(ui::label(this, "Label1", QString(), {16, 12}, ui::font(24, ui::Bold))),
      PaintBox1(new FactMapView(this)),
      Label2(ui::link(this, "Label2", QStringLiteral("もどる"), {552, 432}, 27, ui::Black)),
      PracticeLink(ui::link(this, "PracticeLink", QStringLiteral("にがてを れんしゅう"), {16, 432}, 27)),
      NoWeakFacts(ui::label(this, "NoWeakFacts", QStringLiteral("にがては まだ ないよ"), {16, 436},
                            ui::font(24, ui::Bold))),
      // Between にがてを れんしゅう and もどる, on two lines so as to touch neither.
      PassedLevelsHint(ui::label(this, "PassedLevelsHint",
                                 QStringLiteral("あおい れべるは おすと\nれんしゅう できるよ"), {320, 432},
                                 ui::font(16, ui::Bold))),
      PassedCaption(ui::label(this, "PassedCaption", QStringLiteral("ごうかくした ところも\nれんしゅう できるよ"),
                              {392, 300}, ui::font(16, ui::Bold)))
{
    setObjectName(QStringLiteral("WeakFactsWindow"));
    for (std::size_t i = 0; i < MostLevels; ++i) {
        m_passedLinks[i] = ui::link(this, "PassedLink", QString(),
                                    {392 + int(i % 3) * 80, 344 + int(i / 3) * 22}, 16);
        connect(m_passedLinks[i], &GameLabel::clicked, this,
                [this, level = int(i) + 1] { emit practiceAsked(MapMode, level); });
    }
    connect(PracticeLink, &GameLabel::clicked, this, [this] { emit practiceAsked(MapMode, 0); });
    // A mental drill's level passed: its number in the table.
    connect(PaintBox1, &FactMapView::levelClicked, this, [this](int level) {
        if (std::find(m_passedLevels.begin(), m_passedLevels.end(), level) != m_passedLevels.end())
            emit practiceAsked(MapMode, level);
    });
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
    OfferPractice({});
    const users::DrillMemory memory = m_session.files.readMemory(m_session.UserName).of(MapMode);
    show(memory);
    OfferPractice(memory);
}

void WeakFactsWindow::OfferPractice(const users::DrillMemory &memory)
{
    const bool weak = !users::weakestFacts(memory, 1).isEmpty();
    PracticeLink->setVisible(weak);
    NoWeakFacts->setVisible(!weak);
    // The levels a grid drill's menu no longer offers, once passed; a
    // progress file that cannot be read offers none.
    std::vector<int> levels;
    try {
        levels = m_session.files.readProgress(m_session.UserName, MapMode).levels;
    } catch (const IoError &) {
    }
    m_passedLevels = users::passedLevels(MapMode, levels);
    const bool grid = users::hasFactGrid(MapMode);
    for (std::size_t i = 0; i < MostLevels; ++i) {
        const bool passed = grid && std::count(m_passedLevels.begin(), m_passedLevels.end(), int(i) + 1);
        m_passedLinks[i]->setText(passed ? users::levelCaption(MapMode, int(i) + 1) : QString());
        m_passedLinks[i]->setVisible(passed);
    }
    PassedCaption->setVisible(grid && !m_passedLevels.empty());
    // In a mental drill's table the numbers of the levels passed are links.
    PaintBox1->setPassed(grid ? std::vector<int>() : m_passedLevels);
    PassedLevelsHint->setVisible(!grid && !m_passedLevels.empty());
}

void WeakFactsWindow::Label2Click()
{
    closeWindow();
}
