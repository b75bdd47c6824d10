#pragma once

#include "drill/LevelMenu.h"
#include "users/DrillTable.h"

#include <QRect>
#include <QString>

#include <vector>

class GameLabel;
class PictureBox;

namespace users {
struct Session;
}

// How a mental drill's level menu looks: its level entries, "もどる", a
// speech text over a balloon picture that tells what the pointer is over,
// and its pictures.
struct MentalMenuLayout
{
    struct Entry
    {
        int level;
        const char *name;      // "Label15"
        QString caption;       // "２桁ｘ１桁"
        QPoint pos;
        QString hover;         // the speech text over the entry
    };
    struct Picture
    {
        const char *name;
        QRect geometry;
        QString file;
    };

    const char *objectName;    // "Form9"
    Drill drill;
    QRgb background;
    std::vector<Picture> pictures;   // in the order they are made, the lowest first
    std::vector<Entry> entries;      // in level order
    int entryPixels;
    const char *backName;
    QPoint backPos;
    int backPixels;
    QRgb backColor;
    QString backHover;
    const char *speechName;
    QPoint speechPos;
    QString title;             // the speech text over the background
    bool titleAtCreation;      // shown from the start, or only once the pointer moves
};

// The level menu of a mental drill: every level not yet passed may be
// chosen, in any order.
class MentalMenu : public LevelMenu
{
    Q_OBJECT
public:
    MentalMenu(GameStage &stage, users::Session &session, const MentalMenuLayout &layout);

    // A round passed `level`: its entry can no longer be chosen, at once.
    void LevelPassed(int level) override;

protected:
    void FormCreate() override;
    // RefreshLevelMenu: every level is offered but the passed ones.
    void FormActivate() override;
    void FormMouseMove() override;

private:
    void BackClick();
    void SetSpeech(const QString &text);

    users::Session &m_session;
    MentalMenuLayout m_layout;
    std::vector<PictureBox *> m_pictures;
    std::vector<GameLabel *> m_entries;
    GameLabel *m_back;
    GameLabel *m_speech;
};
