#pragma once

#include "users/FactMap.h"

#include <QWidget>

#include <vector>

// The にがて map drawn in its window: for the addition and the two table
// drills the 9 × 9 grid of facts under its row and column headings, each
// cell a mark on its colour, with the key of the marks beside it; for the
// mental drills a table of the levels with the share of right answers and
// the answers in a minute. Texts are in hiragana, large enough for a child.
class FactMapView : public QWidget
{
    Q_OBJECT
public:
    explicit FactMapView(QWidget *parent);

    // A grid drill's facts, or a mental drill's levels.
    void setGrid(users::FactGrid grid);
    void setLevels(std::vector<users::LevelFigures> levels);
    // The mental drill's levels already passed, whose numbers are links.
    void setPassed(std::vector<int> levels);
    // The level of the mental drill's table at a point; 0 off the table.
    int levelAt(QPoint point) const;

    bool showsGrid() const { return m_showsGrid; }
    const users::FactGrid &grid() const { return m_grid; }
    const std::vector<users::LevelFigures> &levels() const { return m_levels; }

signals:
    // A level's row was clicked.
    void levelClicked(int level);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_showsGrid = true;
    users::FactGrid m_grid;
    std::vector<users::LevelFigures> m_levels;
    std::vector<int> m_passed;
};
