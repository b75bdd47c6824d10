#include "ui/Widgets.h"

#include "ui/GamePaths.h"
#include "ui/IoError.h"
#include "ui/PlainFile.h"

#include <QHash>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace ui {

QFont font(int pixels, int style, const char *family)
{
    QFont f(QString::fromUtf8(family));
    f.setPixelSize(pixels);
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    f.setUnderline(style & Underline);
    return f;
}

namespace {

// How far right of where it starts the ink of the face's farthest-reaching
// digit ends. A slanted face leans past a digit's advance by more than its
// metrics tell, so the digits are drawn once per face and looked at.
int digitInkEnd(const QFont &font)
{
    static QHash<QString, int> known;
    QFont face = font;
    face.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const auto found = known.constFind(face.key());
    if (found != known.constEnd())
        return *found;
    const QFontMetrics metrics(face);
    int end = 0;
    for (char c = '0'; c <= '9'; ++c) {
        QImage image(2 * metrics.horizontalAdvance(QLatin1Char(c)) + face.pixelSize(), metrics.height(),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(face);
        painter.drawText(0, metrics.ascent(), QString(QLatin1Char(c)));
        painter.end();
        for (int x = image.width() - 1; x >= end; --x) {
            bool ink = false;
            for (int y = 0; y < image.height() && !ink; ++y)
                ink = qGray(image.pixel(x, y)) < 200;
            if (ink) {
                end = x + 1;
                break;
            }
        }
    }
    known.insert(face.key(), end);
    return end;
}

// A raised panel's name, place, edge and background.
void makeRaisedPanel(QFrame &frame, const char *name, const QRect &geometry, QColor color, int lineWidth)
{
    frame.setObjectName(QString::fromLatin1(name));
    frame.setGeometry(geometry);
    frame.setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame.setLineWidth(lineWidth);
    frame.setAutoFillBackground(true);
    QPalette palette = frame.palette();
    palette.setColor(QPalette::Window, color);
    frame.setPalette(palette);
}

} // namespace

int numberWidth(const QFont &font, int digits)
{
    const QFontMetrics metrics(font);
    QChar widest = QLatin1Char('0');
    for (char c = '1'; c <= '9'; ++c) {
        if (metrics.horizontalAdvance(QLatin1Char(c)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(c);
    }
    const int advances = metrics.horizontalAdvance(QString(digits, widest)) - qRound(font.letterSpacing());
    const int lastDigitStart = metrics.horizontalAdvance(QString(digits - 1, widest));
    return std::max(advances + font.pixelSize() / 12, lastDigitStart + digitInkEnd(font));
}

void installFontSubstitutes()
{
    // The IPA fonts stand in for the Windows Gothic faces the game was drawn with.
    QFont::insertSubstitutions(QString::fromUtf8(ProportionalGothic),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QString::fromUtf8(FixedGothic),
                               {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
}

namespace {

void setTextColor(QWidget *widget, QColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, color);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, color);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    widget->setPalette(palette);
}

} // namespace

GameLabel *label(QWidget *parent, const char *name, const QString &text, QPoint pos,
                 const QFont &font, QRgb color)
{
    return new GameLabel(parent, name, text, pos, font, QColor(color));
}

GameLabel *link(QWidget *parent, const char *name, const QString &text, QPoint pos, int pixels,
                QRgb color, const char *family)
{
    auto *entry = new GameLabel(parent, name, text, pos, font(pixels, Bold | Underline, family),
                                QColor(color));
    entry->setCursor(Qt::PointingHandCursor);
    return entry;
}

ButtonPanel *panel(QWidget *parent, const char *name, const QString &caption,
                   const QRect &geometry, QRgb color)
{
    return new ButtonPanel(parent, name, caption, geometry, QColor(color));
}

QFrame *frame(QWidget *parent, const char *name, const QRect &geometry, QRgb color, int lineWidth)
{
    auto *panel = new QFrame(parent);
    makeRaisedPanel(*panel, name, geometry, QColor(color), lineWidth);
    return panel;
}

PictureBox *picture(QWidget *parent, const char *name, const QRect &geometry)
{
    return new PictureBox(parent, name, geometry);
}

QLineEdit *edit(QWidget *parent, const char *name, const QRect &geometry, const QFont &font)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(geometry);
    field->setFont(font);
    return field;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QRect &geometry)
{
    auto *push = new QPushButton(caption, parent);
    push->setObjectName(QString::fromLatin1(name));
    push->setGeometry(geometry);
    push->setFont(font(12));
    push->setAutoDefault(false);
    return push;
}

QListWidget *listBox(QWidget *parent, const char *name, const QRect &geometry, const QFont &font,
                     int rowHeight)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setFont(font);
    list->setUniformItemSizes(true);
    list->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; }").arg(rowHeight));
    return list;
}

} // namespace ui

namespace {

// The game's pictures are bitmaps: reading them as such spares loading every
// image format plugin to guess what they are.
void readAsBitmap(QImageReader &reader)
{
    reader.setFormat("bmp");
    reader.setAutoDetectImageFormat(false);
}

// A click is a left press on a control followed by the release over it.
bool takePress(QMouseEvent *event, bool &pressed)
{
    if (event->button() != Qt::LeftButton)
        return false;
    pressed = true;
    event->accept();
    return true;
}

enum class Release { NotOurs, Taken, Click };

Release takeRelease(const QWidget *control, QMouseEvent *event, bool &pressed)
{
    const bool wasPressed = std::exchange(pressed, false);
    if (event->button() != Qt::LeftButton || !wasPressed)
        return Release::NotOurs;
    event->accept();
    return control->rect().contains(event->position().toPoint()) ? Release::Click : Release::Taken;
}

} // namespace

GameLabel::GameLabel(QWidget *parent, const char *name, const QString &text, QPoint pos,
                     const QFont &font, QColor color)
    : QLabel(text, parent)
{
    setObjectName(QString::fromLatin1(name));
    // Texts are shown as typed: a child's name is never read as markup.
    setTextFormat(Qt::PlainText);
    setFont(font);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Labels follow the pointer; those without a pointer handler pass it on.
    setMouseTracking(true);
    setColor(color);
    move(pos);
    fitToText();
}

void GameLabel::setText(const QString &text)
{
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    fitToText();
}

void GameLabel::setColor(QColor color)
{
    ui::setTextColor(this, color);
}

void GameLabel::setFixedTextWidth(int width)
{
    m_fixedWidth = width;
    fitToText();
}

void GameLabel::setVertical(bool vertical)
{
    m_vertical = vertical;
    setWordWrap(vertical);
    setAlignment(vertical ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    fitToText();
}

void GameLabel::fitToText()
{
    // Measuring a text loads its font; a label that is not on screen is
    // measured when it is shown, so making the game's windows at start-up
    // loads only the fonts of the windows shown.
    if (!isVisible()) {
        m_sizeStale = true;
        return;
    }
    m_sizeStale = false;
    if (m_vertical) {
        // One character a line: as wide as the widest character.
        const QFontMetrics metrics(font());
        int width = 0;
        for (const QChar c : text())
            width = std::max(width, metrics.horizontalAdvance(c));
        resize(width, metrics.height() * int(text().size()));
        return;
    }
    if (m_fixedWidth >= 0 && wordWrap()) {
        // A wrapped text grows downwards within its width.
        resize(m_fixedWidth, std::max(heightForWidth(m_fixedWidth), sizeHint().height()));
        return;
    }
    const QSize hint = sizeHint();
    resize(m_fixedWidth >= 0 ? m_fixedWidth : hint.width(), hint.height());
}

void GameLabel::mousePressEvent(QMouseEvent *event)
{
    if (!takePress(event, m_pressed))
        QLabel::mousePressEvent(event);
}

void GameLabel::mouseReleaseEvent(QMouseEvent *event)
{
    switch (takeRelease(this, event, m_pressed)) {
    case Release::Click:
        emit clicked();
        break;
    case Release::NotOurs:
        QLabel::mouseReleaseEvent(event);
        break;
    case Release::Taken:
        break;
    }
}

void GameLabel::showEvent(QShowEvent *event)
{
    if (m_sizeStale)
        fitToText();
    QLabel::showEvent(event);
}

void GameLabel::mouseMoveEvent(QMouseEvent *event)
{
    // A label without a pointer handler lets the window see the movement.
    if (isSignalConnected(QMetaMethod::fromSignal(&GameLabel::mouseMoved))) {
        event->accept();
        emit mouseMoved();
        return;
    }
    event->ignore();
}

ButtonPanel::ButtonPanel(QWidget *parent, const char *name, const QString &caption,
                         const QRect &geometry, QColor color)
    : QFrame(parent), m_caption(caption)
{
    ui::makeRaisedPanel(*this, name, geometry, color, 1);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Light, QColor(Qt::white));
    palette.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    setPalette(palette);
    ui::setTextColor(this, QColor(Qt::black));
    setFont(ui::font(19, ui::Bold));
    setCursor(Qt::PointingHandCursor);
}

void ButtonPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    if (!isEnabled()) {
        // Greyed the way disabled captions are drawn: a light copy under a grey one.
        painter.setPen(Qt::white);
        painter.drawText(rect().translated(1, 1), Qt::AlignCenter, m_caption);
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
}

void ButtonPanel::mousePressEvent(QMouseEvent *event)
{
    if (!takePress(event, m_pressed))
        QFrame::mousePressEvent(event);
}

void ButtonPanel::mouseReleaseEvent(QMouseEvent *event)
{
    switch (takeRelease(this, event, m_pressed)) {
    case Release::Click:
        emit clicked();
        break;
    case Release::NotOurs:
        QFrame::mouseReleaseEvent(event);
        break;
    case Release::Taken:
        break;
    }
}

PictureBox::PictureBox(QWidget *parent, const char *name, const QRect &geometry) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    // Pictures lie beneath the texts drawn over them.
    lower();
}

QImage PictureBox::withTransparentKey(const QImage &image)
{
    QImage picture = image.convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull())
        return picture;
    const QRgb key = picture.pixel(0, picture.height() - 1) | 0xFF000000u;
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
        }
    }
    return picture;
}

void PictureBox::load(const GameFolder &folder, const QString &gameFileName)
{
    // Only a plain file is read: a pipe planted among the pictures would
    // keep the reader waiting for good.
    const QString localPath = folder.resolve(gameFileName);
    QFile file(localPath);
    const bool opened = plainfile::open(file, QIODevice::ReadOnly);
    QImageReader reader(&file);
    readAsBitmap(reader);
    if (!opened || !reader.canRead() || !reader.size().isValid())
        throw IoError(gameFileName, QStringLiteral("絵を読み込めません"));
    m_localPath = localPath;
    m_fileName = gameFileName;
    m_pixmap = QPixmap();
    update();
}

const QPixmap &PictureBox::pixmap() const
{
    if (m_pixmap.isNull() && !m_localPath.isEmpty()) {
        QFile file(m_localPath);
        if (plainfile::open(file, QIODevice::ReadOnly)) {
            QImageReader reader(&file);
            readAsBitmap(reader);
            m_pixmap = QPixmap::fromImage(withTransparentKey(reader.read()));
        }
    }
    return m_pixmap;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (pixmap().isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
