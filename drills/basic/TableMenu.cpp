#include "drills/basic/TableMenu.h"

#include "drill/Texts.h"
#include "drills/basic/Tables.h"
#include "ui/Widgets.h"

#include <QFontMetrics>

namespace {

// "Label7": the labels take their names at once, so a temporary will do.
QByteArray labelName(int number)
{
    return "Label" + QByteArray::number(number);
}

// A balloon text broken into lines between its words only, as many words to
// a line as fit in `width`, so that every word reads whole.
QString wrapWords(const QStringList &words, const QFont &font, int width)
{
    const QFontMetrics metrics(font);
    QString text, line;
    for (const QString &word : words) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + word) > width) {
            text += line + QLatin1Char('\n');
            line.clear();
        }
        line += word;
    }
    return text + line;
}

} // namespace

TableMenu::TableMenu(GameStage &stage, users::Session &session, const TableMenuLayout &layout)
    : InTurnMenu(stage, session, layout.drill),
      m_layout(layout),
      Image2(ui::picture(this, "Image2", layout.balloon)),
      Image1(ui::picture(this, "Image1", layout.mascot))
{
    setObjectName(QString::fromLatin1(layout.objectName));
    const int levels = drillInfo(layout.drill).levels;
    std::vector<GameLabel *> entries;
    for (int level = 1; level <= levels; ++level) {
        GameLabel *entry = ui::link(this, labelName(level).constData(), tables::caption(level),
                                    {layout.entryLeft, layout.entryTops[std::size_t(level - 1)]}, 24);
        entries.push_back(entry);
        connect(entry, &GameLabel::clicked, this,
                [this, level] { guarded([&] { StartLevel(level); }); });
        connect(entry, &GameLabel::mouseMoved, this,
                [this, level] { guarded([&] { EntryMouseMove(level); }); });
    }
    setEntries(entries);
    m_back = ui::link(this, labelName(levels + 1).constData(), QStringLiteral("もどる"),
                      {layout.entryLeft, layout.entryTops[std::size_t(levels)]}, 24, ui::Black);
    m_firstText = ui::label(this, labelName(levels + 2).constData(), QString(), layout.firstText,
                            ui::font(24, ui::Bold));
    m_secondText = ui::label(this, labelName(levels + 3).constData(), QString(), layout.secondText,
                             ui::font(24, ui::Bold));
    // The balloon's texts take the room up to the balloon's edge.
    m_firstText->setFixedTextWidth(layout.textRight - layout.firstText.x());
    m_secondText->setFixedTextWidth(layout.textRight - layout.secondText.x());
    on(m_back, &GameLabel::clicked, &TableMenu::BackClick);
    on(m_back, &GameLabel::mouseMoved, &TableMenu::BackMouseMove);
}

void TableMenu::FormCreate()
{
    Place();
    loadPicture(Image2, m_layout.balloonPicture);
    loadPicture(Image1, m_layout.mascotPicture);
    SetBalloon(m_layout.title, {});
}

void TableMenu::FormClose()
{
    SetBalloon(m_layout.title, {});
}

void TableMenu::FormMouseMove()
{
    SetBalloon(m_layout.title, {});
}

void TableMenu::SetBalloon(const QStringList &first, const QStringList &second)
{
    SetFirstText(first);
    m_secondText->setText(wrapWords(second, m_secondText->font(), m_layout.textRight - m_layout.secondText.x()));
}

void TableMenu::SetFirstText(const QStringList &words)
{
    m_firstText->setText(wrapWords(words, m_firstText->font(), m_layout.textRight - m_layout.firstText.x()));
    // The second text stands beneath the first one's last line.
    const int lines = int(m_firstText->text().count(QLatin1Char('\n'))) + 1;
    m_secondText->move(m_layout.secondText.x(),
                       m_layout.secondText.y() + (lines - 1) * QFontMetrics(m_firstText->font()).lineSpacing());
}

void TableMenu::EntryMouseMove(int level)
{
    // A table tells its number and "のだん"; みっくす and あまり tell what they are.
    if (level == tables::Mix)
        SetBalloon({QStringLiteral("みっくす")}, {QStringLiteral("ぜんぶの"), QStringLiteral("だん")});
    else if (level == tables::Remainder)
        SetBalloon({QStringLiteral("あまり")},
                   {QStringLiteral("あまりの"), QStringLiteral("でる"), QStringLiteral("わりざん")});
    else
        SetBalloon({drill::fullWidth(level)}, {QStringLiteral("のだん")});
}

void TableMenu::BackClick()
{
    closeWindow();
}

void TableMenu::BackMouseMove()
{
    SetFirstText(m_layout.backHover);
    if (m_layout.backHoverEmptiesSecond)
        m_secondText->setText(QString());
}
