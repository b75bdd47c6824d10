#include "users/FactMapView.h"

#include "ui/Widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>

using users::Knowing;

namespace {

// The grid: a heading row and column and 9 × 9 cells, with the key of the
// marks on its right.
constexpr int Cell = 36;
constexpr QPoint GridAt{4, 8};
constexpr int KeyLeft = 384;
constexpr int KeyTop = 52;
constexpr int KeyStep = 46;

// The levels' table, in two halves side by side when the levels are more
// than ten.
constexpr int RowHeight = 32;
constexpr int LevelsTop = 8;
constexpr std::array<int, 3> LevelColumns = {64, 100, 116};
constexpr int HalfGap = 28;
constexpr int RowsPerHalf = 10;

constexpr QRgb Line = 0x9CC3E6;
constexpr QRgb Heading = 0xDCE8F2;
constexpr QRgb Hint = 0x8C8C8C;

struct Look
{
    Knowing knowing;
    QRgb fill;
    QRgb mark;
    const char16_t *meaning;
};

// Each mark on a colour of its own, dark on light, so that it reads in
// colour and without.
constexpr std::array<Look, 4> Looks = {{
    {Knowing::Known, 0xC8F0C8, 0x006E28, u"よく できた"},
    {Knowing::Slow, 0xFFE8A8, 0xA05000, u"じかんが かかる"},
    {Knowing::Weak, 0xFFCCCC, 0xC81E1E, u"まちがいが おおい"},
    {Knowing::NeverAsked, 0xFFFFFF, Hint, u"まだ やってない"},
}};

const Look &lookOf(Knowing knowing)
{
    for (const Look &look : Looks) {
        if (look.knowing == knowing)
            return look;
    }
    return Looks.back();
}

QFont words(int pixels) { return ui::font(pixels, ui::Bold); }
QFont digits(int pixels) { return ui::font(pixels, ui::Bold, ui::FixedGothic); }

void box(QPainter &painter, const QRect &rect, QRgb fill, const QFont &font, QRgb colour,
         const QString &text)
{
    painter.setPen(QPen(QColor(Line), 1));
    painter.setBrush(QColor(fill));
    painter.drawRect(rect);
    painter.setFont(font);
    painter.setPen(QColor(colour));
    painter.drawText(rect, Qt::AlignCenter, text);
}

void markBox(QPainter &painter, const QRect &rect, Knowing knowing)
{
    const Look &look = lookOf(knowing);
    box(painter, rect, look.fill, words(26), look.mark, users::markOf(knowing));
}

// How the grid reads: the row's number, the sign, the column's number.
QString reading(const QString &sign)
{
    if (sign == u"÷")
        return QStringLiteral("□ ÷ たて ＝ よこ");
    return QStringLiteral("たて %1 よこ").arg(sign);
}

void paintGrid(QPainter &painter, const users::FactGrid &grid)
{
    const auto cell = [](int row, int column) {
        return QRect(GridAt.x() + column * Cell, GridAt.y() + row * Cell, Cell, Cell);
    };
    box(painter, cell(0, 0), Heading, words(24), ui::Black, grid.sign);
    for (int n = 1; n <= users::FactGrid::Size; ++n) {
        box(painter, cell(0, n), Heading, digits(24), ui::Black, QString::number(n));
        box(painter, cell(n, 0), Heading, digits(24), ui::Black, QString::number(n));
    }
    for (int row = 1; row <= users::FactGrid::Size; ++row) {
        for (int column = 1; column <= users::FactGrid::Size; ++column)
            markBox(painter, cell(row, column), grid.at(row, column));
    }

    painter.setFont(words(22));
    painter.setPen(QColor(ui::Black));
    painter.drawText(QRect(KeyLeft, GridAt.y(), painter.device()->width() - KeyLeft, Cell),
                     Qt::AlignLeft | Qt::AlignVCenter, reading(grid.sign));
    for (std::size_t i = 0; i < Looks.size(); ++i) {
        const int top = KeyTop + int(i) * KeyStep;
        markBox(painter, QRect(KeyLeft, top, Cell, Cell), Looks[i].knowing);
        painter.setFont(words(20));
        painter.setPen(QColor(ui::Black));
        painter.drawText(QRect(KeyLeft + Cell + 10, top, 200, Cell), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf16(Looks[i].meaning));
    }
}

// Where the levels' table stands: one half, or two side by side.
struct LevelsLayout
{
    int halves, perHalf, left;
    static constexpr int halfWidth = LevelColumns[0] + LevelColumns[1] + LevelColumns[2];

    LevelsLayout(int width, std::size_t count)
        : halves(int(count) > RowsPerHalf ? 2 : 1), perHalf((int(count) + halves - 1) / halves),
          left((width - halves * halfWidth - (halves - 1) * HalfGap) / 2)
    {
    }
    int x(int half) const { return left + half * (halfWidth + HalfGap); }
};

void paintLevels(QPainter &painter, const std::vector<users::LevelFigures> &levels,
                 const std::vector<int> &passed)
{
    const LevelsLayout layout(painter.device()->width(), levels.size());
    const int halves = layout.halves, perHalf = layout.perHalf;
    QFont linkFont = digits(22);
    linkFont.setUnderline(true);
    for (int half = 0; half < halves; ++half) {
        const int x = layout.x(half);
        const int x1 = x + LevelColumns[0], x2 = x1 + LevelColumns[1];
        const auto row = [&](int n, int from, int width) {
            return QRect(from, LevelsTop + n * RowHeight, width, RowHeight);
        };
        box(painter, row(0, x, LevelColumns[0]), Heading, words(20), ui::Black, QStringLiteral("れべる"));
        box(painter, row(0, x1, LevelColumns[1]), Heading, words(20), ui::Black, QStringLiteral("せいかい"));
        box(painter, row(0, x2, LevelColumns[2]), Heading, words(20), ui::Black, QStringLiteral("1ぷんで"));
        for (int n = 1; n <= perHalf; ++n) {
            const std::size_t index = std::size_t(half * perHalf + n - 1);
            if (index >= levels.size())
                break;
            const users::LevelFigures &level = levels[index];
            // A level passed is a link to its practice.
            const bool link = std::find(passed.begin(), passed.end(), level.level) != passed.end();
            box(painter, row(n, x, LevelColumns[0]), Heading, link ? linkFont : digits(22),
                link ? ui::Blue : ui::Black, QString::number(level.level));
            if (level.played()) {
                box(painter, row(n, x1, LevelColumns[1]), 0xFFFFFF, digits(22), ui::Black,
                    level.shareText());
                box(painter, row(n, x2, LevelColumns[2]), 0xFFFFFF, words(21), ui::Black,
                    level.rateText());
            } else {
                box(painter, row(n, x1, LevelColumns[1] + LevelColumns[2]), 0xFFFFFF, words(20),
                    Hint, QStringLiteral("まだ やってない"));
            }
        }
    }
}

} // namespace

FactMapView::FactMapView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
}

void FactMapView::setGrid(users::FactGrid grid)
{
    m_showsGrid = true;
    m_grid = std::move(grid);
    update();
}

int FactMapView::levelAt(QPoint point) const
{
    if (m_showsGrid)
        return 0;
    const LevelsLayout layout(width(), m_levels.size());
    for (int half = 0; half < layout.halves; ++half) {
        const int x = layout.x(half);
        if (point.x() < x || point.x() >= x + LevelsLayout::halfWidth)
            continue;
        const int n = (point.y() - LevelsTop) / RowHeight;
        const std::size_t index = std::size_t(half * layout.perHalf + n - 1);
        if (point.y() >= LevelsTop && n >= 1 && n <= layout.perHalf && index < m_levels.size())
            return m_levels[index].level;
    }
    return 0;
}

void FactMapView::setPassed(std::vector<int> levels)
{
    m_passed = std::move(levels);
    update();
}

void FactMapView::mousePressEvent(QMouseEvent *event)
{
    if (const int level = levelAt(event->position().toPoint()))
        emit levelClicked(level);
}

void FactMapView::setLevels(std::vector<users::LevelFigures> levels)
{
    m_showsGrid = false;
    m_levels = std::move(levels);
    update();
}

void FactMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_showsGrid)
        paintGrid(painter, m_grid);
    else
        paintLevels(painter, m_levels, m_passed);
}
