#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

// The controls the game's windows are built from, and a compact way of
// declaring them: each window lists its components with their names, texts,
// positions and looks, the way the windows were designed.

namespace ui {

// Font families of the game. The proportional Gothic is the game's usual
// face; the fixed-pitch one is used by the records menu.
inline constexpr const char *ProportionalGothic = "ＭＳ Ｐゴシック";
inline constexpr const char *FixedGothic = "ＭＳ ゴシック";

enum FontStyle {
    Plain = 0,
    Bold = 1,
    Italic = 2,
    Underline = 4,
};

// A font `pixels` high in the game's proportional Gothic (or `family`).
QFont font(int pixels, int style = Plain, const char *family = ProportionalGothic);

// The width a number of `digits` digits takes in `font`: its widest digits,
// and room for the last one's italic lean, as far as the face's ink goes.
int numberWidth(const QFont &font, int digits);

// Maps the game's font names to the Japanese fonts installed here.
void installFontSubstitutes();

// Colours the windows use.
inline constexpr QRgb Aqua = 0x00FFFF;
inline constexpr QRgb Yellow = 0xFFFF00;
inline constexpr QRgb Blue = 0x0000FF;
inline constexpr QRgb Red = 0xFF0000;
inline constexpr QRgb Black = 0x000000;
inline constexpr QRgb Cream = 0xFBFDE3;       // most windows
inline constexpr QRgb PaleCream = 0xFEFDE0;   // horizontal mental addition, splash panel
inline constexpr QRgb Pink = 0xFFECFE;        // registration, log-in and deletion dialogs
inline constexpr QRgb Grey = 0xF0F0F0;        // splash

} // namespace ui

class GameFolder;

// A text on a window. It sizes itself to its text unless given a fixed width,
// has a transparent background, is greyed when disabled, and reports clicks
// and pointer movement. A disabled label ignores both, so the window beneath
// gets them.
class GameLabel : public QLabel
{
    Q_OBJECT
public:
    GameLabel(QWidget *parent, const char *name, const QString &text, QPoint pos,
              const QFont &font, QColor color = QColor(ui::Black));

    void setText(const QString &text);
    void setColor(QColor color);
    // Keeps the label at this width (the height still follows the text).
    void setFixedTextWidth(int width);
    // Lays the text out one character per line, to be read top to bottom.
    void setVertical(bool vertical);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitToText();
    bool m_sizeStale = false;
    int m_fixedWidth = -1;
    bool m_vertical = false;
    bool m_pressed = false;
};

// A raised panel that acts as a button: a centred bold caption, a pointing
// hand, and a greyed caption that ignores clicks when disabled.
class ButtonPanel : public QFrame
{
    Q_OBJECT
public:
    ButtonPanel(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                QColor color);
    QString text() const { return m_caption; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    bool m_pressed = false;
};

// A picture box: a BMP drawn at its own size from the box's top-left corner,
// never stretched, with the colour of its bottom-left pixel transparent.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const char *name, const QRect &geometry);

    // Loads a picture by its game file name ("Graphics\f3.bmp") from the
    // game folder; throws IoError when it cannot be loaded. The file is
    // checked at once and decoded when it is first drawn, so start-up stays
    // quick.
    void load(const GameFolder &folder, const QString &gameFileName);
    // The game file name of the picture shown, empty before the first load.
    const QString &fileName() const { return m_fileName; }
    const QPixmap &pixmap() const;

    // The picture as the game draws it: bottom-left colour made transparent.
    static QImage withTransparentKey(const QImage &image);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_fileName;
    QString m_localPath;
    mutable QPixmap m_pixmap;
};

namespace ui {

// Declaring a window's components, one line each.
GameLabel *label(QWidget *parent, const char *name, const QString &text, QPoint pos,
                 const QFont &font, QRgb color = Black);
// A clickable entry: bold, underlined, pointing-hand cursor.
GameLabel *link(QWidget *parent, const char *name, const QString &text, QPoint pos, int pixels,
                QRgb color = Blue, const char *family = ProportionalGothic);
ButtonPanel *panel(QWidget *parent, const char *name, const QString &caption,
                   const QRect &geometry, QRgb color);
// A raised panel filled with `color`, its edge `lineWidth` pixels wide, that
// other controls are laid on.
QFrame *frame(QWidget *parent, const char *name, const QRect &geometry, QRgb color, int lineWidth);
PictureBox *picture(QWidget *parent, const char *name, const QRect &geometry);
QLineEdit *edit(QWidget *parent, const char *name, const QRect &geometry,
                const QFont &font = ui::font(12));
QPushButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QRect &geometry);
QListWidget *listBox(QWidget *parent, const char *name, const QRect &geometry, const QFont &font,
                     int rowHeight);

} // namespace ui
