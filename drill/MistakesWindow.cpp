#include "drill/MistakesWindow.h"

#include "ui/Widgets.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

// Where the mistakes go: from below the title to above the links.
constexpr int Top = 64;
constexpr int Bottom = 340;   // above the picture at the bottom right
constexpr int Left = 24;
constexpr int Width = 600;
constexpr int Gap = 10;

QFont questionFont() { return ui::font(29, ui::Bold); }
QFont typedFont() { return ui::font(19, ui::Bold); }

// A long question (the sums of long numbers) breaks between its numbers.
QString brokenToFit(const QString &question)
{
    const QFontMetrics metrics(questionFont());
    QStringList lines;
    QString line;
    for (const QString &word : question.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > Width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines.join(u'\n');
}

int heightOf(const QString &question)
{
    return int(question.count(u'\n') + 1) * QFontMetrics(questionFont()).lineSpacing()
        + QFontMetrics(typedFont()).lineSpacing() + Gap;
}

} // namespace

MistakesWindow::MistakesWindow(GameStage &stage)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      Label1(ui::label(this, "Label1", QStringLiteral("まちがえた もんだい"), {16, 8}, ui::font(37, ui::Bold))),
      Image1(ui::picture(this, "Image1", {496, 327, 137, 153})),
      m_pageText(ui::label(this, "PageText", QString(), {420, 16}, ui::font(24, ui::Bold))),
      Label2(ui::link(this, "Label2", QStringLiteral("まえへ"), {176, 420}, 37)),
      Label3(ui::link(this, "Label3", QStringLiteral("つぎへ"), {336, 420}, 37)),
      Label4(ui::link(this, "Label4", QStringLiteral("もどる"), {8, 420}, 37))
{
    setObjectName(QStringLiteral("MistakesWindow"));
    for (std::size_t i = 0; i < Rows; ++i) {
        m_questions[i] = ui::label(this, "Question", QString(), {Left, Top}, questionFont());
        m_typed[i] = ui::label(this, "Typed", QString(), {Left + 24, Top}, typedFont(), ui::Red);
    }
    on(Label2, &GameLabel::clicked, &MistakesWindow::Label2Click);
    on(Label3, &GameLabel::clicked, &MistakesWindow::Label3Click);
    on(Label4, &GameLabel::clicked, &MistakesWindow::Label4Click);
}

void MistakesWindow::FormCreate()
{
    Place();
    loadPicture(Image1, QStringLiteral("Graphics\\ピコちゃん顔3.BMP"));
}

void MistakesWindow::ShowMistakes(const std::vector<drill::Mistake> &mistakes)
{
    m_mistakes = mistakes;
    for (drill::Mistake &mistake : m_mistakes)
        mistake.question = brokenToFit(mistake.question);
    // As many as fit on a page, and never more than the rows there are.
    m_pages.clear();
    std::size_t first = 0;
    while (first < m_mistakes.size()) {
        std::size_t end = first;
        int y = Top;
        while (end < m_mistakes.size() && end - first < Rows
               && (end == first || y + heightOf(m_mistakes[end].question) <= Bottom))
            y += heightOf(m_mistakes[end++].question);
        m_pages.emplace_back(first, end);
        first = end;
    }
    ShowPage(0);
    openWindow();
}

void MistakesWindow::ShowPage(int page)
{
    m_page = page;
    const auto [first, end] = m_pages.empty() ? std::pair<std::size_t, std::size_t>() : m_pages[std::size_t(page)];
    int y = Top;
    for (std::size_t row = 0; row < Rows; ++row) {
        const bool shown = first + row < end;
        const drill::Mistake *mistake = shown ? &m_mistakes[first + row] : nullptr;
        m_questions[row]->setText(shown ? mistake->question : QString());
        m_typed[row]->setText(shown ? drill::typedLine(*mistake) : QString());
        if (shown) {
            m_questions[row]->move(Left, y);
            m_typed[row]->move(Left + 24, y + heightOf(mistake->question) - Gap
                                              - QFontMetrics(typedFont()).lineSpacing());
            y += heightOf(mistake->question);
        }
    }
    const bool paged = m_pages.size() > 1;
    m_pageText->setText(paged ? QStringLiteral("%1 / %2").arg(page + 1).arg(m_pages.size()) : QString());
    Label2->setVisible(paged && page > 0);
    Label3->setVisible(paged && page + 1 < int(m_pages.size()));
}

void MistakesWindow::Label2Click()
{
    ShowPage(m_page - 1);
}

void MistakesWindow::Label3Click()
{
    ShowPage(m_page + 1);
}

void MistakesWindow::Label4Click()
{
    closeWindow();
}
