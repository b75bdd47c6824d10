#include "drills/mental/MentalMenu.h"

#include "drills/mental/MentalScoring.h"
#include "ui/Widgets.h"
#include "users/Session.h"

MentalMenu::MentalMenu(GameStage &stage, users::Session &session, const MentalMenuLayout &layout)
    : LevelMenu(stage, Kind::FullScreen, QSize(640, 480), QColor(layout.background)),
      m_session(session),
      m_layout(layout)
{
    setObjectName(QString::fromLatin1(layout.objectName));
    for (const MentalMenuLayout::Picture &picture : layout.pictures)
        m_pictures.push_back(ui::picture(this, picture.name, picture.geometry));
    for (const MentalMenuLayout::Entry &entry : layout.entries) {
        GameLabel *label = ui::link(this, entry.name, entry.caption, entry.pos, layout.entryPixels);
        m_entries.push_back(label);
        connect(label, &GameLabel::clicked, this,
                [this, level = entry.level] { guarded([&] { StartLevel(level); }); });
        connect(label, &GameLabel::mouseMoved, this,
                [this, hover = entry.hover] { guarded([&] { SetSpeech(hover); }); });
    }
    m_back = ui::link(this, layout.backName, QStringLiteral("もどる"), layout.backPos,
                      layout.backPixels, layout.backColor);
    m_speech = ui::label(this, layout.speechName, QString(), layout.speechPos,
                         ui::font(24, ui::Bold));
    on(m_back, &GameLabel::clicked, &MentalMenu::BackClick);
    connect(m_back, &GameLabel::mouseMoved, this,
            [this] { guarded([&] { SetSpeech(m_layout.backHover); }); });
}

void MentalMenu::FormCreate()
{
    Place();
    for (std::size_t i = 0; i < m_pictures.size(); ++i)
        loadPicture(m_pictures[i], m_layout.pictures[i].file);
    if (m_layout.titleAtCreation)
        SetSpeech(m_layout.title);
}

void MentalMenu::FormActivate()
{
    for (GameLabel *entry : m_entries)
        entry->setEnabled(true);
    const users::Progress progress =
        m_session.files.readProgress(m_session.UserName, m_layout.drill);
    const std::vector<bool> offered = mental::offeredLevels(progress.levels);
    for (std::size_t i = 0; i < m_entries.size() && i < offered.size(); ++i)
        m_entries[i]->setEnabled(offered[i]);
}

void MentalMenu::LevelPassed(int level)
{
    if (level >= 1 && level <= int(m_entries.size()))
        m_entries[std::size_t(level - 1)]->setEnabled(false);
}

void MentalMenu::FormMouseMove()
{
    SetSpeech(m_layout.title);
}

void MentalMenu::BackClick()
{
    closeWindow();
}

void MentalMenu::SetSpeech(const QString &text)
{
    m_speech->setText(text);
}
