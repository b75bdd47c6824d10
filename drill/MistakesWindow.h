#pragma once

#include "ui/GameWindow.h"

#include "drill/Answers.h"

#include <array>
#include <vector>

class GameLabel;
class PictureBox;

// "まちがいを みる": the questions of a round answered wrong at least once,
// each with its right answer and below it what the child typed, a page at a
// time with "まえへ" and "つぎへ" when they do not fit on one. "もどる" goes
// back to the result window.
class MistakesWindow : public GameWindow
{
    Q_OBJECT
public:
    static constexpr std::size_t Rows = 4;

    explicit MistakesWindow(GameStage &stage);

    void ShowMistakes(const std::vector<drill::Mistake> &mistakes);

    int page() const { return m_page; }
    int pageCount() const { return int(m_pages.size()); }

protected:
    void FormCreate() override;

private:
    void ShowPage(int page);
    void Label2Click();   // "まえへ"
    void Label3Click();   // "つぎへ"
    void Label4Click();   // "もどる"

    GameLabel *Label1;    // "まちがえた もんだい"
    PictureBox *Image1;
    std::array<GameLabel *, Rows> m_questions;
    std::array<GameLabel *, Rows> m_typed;
    GameLabel *m_pageText;
    GameLabel *Label2;
    GameLabel *Label3;
    GameLabel *Label4;

    std::vector<drill::Mistake> m_mistakes;
    // The mistakes of each page, as the first and one past the last.
    std::vector<std::pair<std::size_t, std::size_t>> m_pages;
    int m_page = 0;
};
