#include "skin_style.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace velmora::skin {

namespace colours {
QColor navyDark()
{
    return QColor(0x0F, 0x2C, 0x44);
}
QColor navy()
{
    return QColor(0x17, 0x49, 0x6A);
}
QColor teal()
{
    return QColor(0x1F, 0x8A, 0x8A);
}
QColor tealBright()
{
    return QColor(0x2B, 0xB3, 0xA3);
}
QColor tealLight()
{
    return QColor(0xDD, 0xF1, 0xEE);
}
QColor surface()
{
    return QColor(0xF4, 0xF8, 0xFA);
}
QColor strip()
{
    return QColor(0xEA, 0xF3, 0xF5);
}
QColor ink()
{
    return QColor(0x1D, 0x2B, 0x36);
}
QColor muted()
{
    return QColor(0x5E, 0x74, 0x82);
}
QColor amber()
{
    return QColor(0xF2, 0xB3, 0x3D);
}
QColor coral()
{
    return QColor(0xE0, 0x67, 0x4F);
}
QColor questionGround()
{
    return QColor(0xFF, 0xFF, 0xDC);
}
} // namespace colours

namespace {

QString g_regular;
QString g_condensed;

QString familyOf(const QString &path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) {
        return {};
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

} // namespace

bool loadFonts(const QString &fontFolder)
{
    g_regular = familyOf(fontFolder + QStringLiteral("/DejaVuSans.ttf"));
    const QString bold = familyOf(fontFolder + QStringLiteral("/DejaVuSans-Bold.ttf"));
    g_condensed = familyOf(fontFolder + QStringLiteral("/DejaVuSansCondensed-Bold.ttf"));
    familyOf(fontFolder + QStringLiteral("/DejaVuSansCondensed.ttf"));
    return !g_regular.isEmpty() && !bold.isEmpty() && !g_condensed.isEmpty();
}

QFont font(int pixelSize, bool bold, bool condensed)
{
    QFont f(condensed ? g_condensed : g_regular);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    if (condensed) {
        f.setStretch(QFont::SemiCondensed);
    }
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setKerning(true);
    return f;
}

QFont fittedFont(const QString &text, int pixelSize, bool bold, qreal maxWidth)
{
    const int smallest = std::max(8, pixelSize * 6 / 10);
    for (int size = pixelSize; size > smallest; --size) {
        const QFont f = font(size, bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= maxWidth) {
            return f;
        }
    }
    return font(smallest, bold, true);
}

QImage blankPicture(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage screenBackdrop(int width, int height)
{
    QImage image = blankPicture(width, height, colours::surface());
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(Qt::NoPen);
    QRadialGradient left(QPointF(-60, -80), 420);
    left.setColorAt(0.0, QColor(0xD2, 0xEC, 0xE8, 200));
    left.setColorAt(1.0, QColor(0xD2, 0xEC, 0xE8, 0));
    painter.setBrush(left);
    painter.drawRect(QRectF(0, 0, width, height));
    QRadialGradient right(QPointF(width + 40, -40), 360);
    right.setColorAt(0.0, QColor(0xD6, 0xE6, 0xF2, 220));
    right.setColorAt(1.0, QColor(0xD6, 0xE6, 0xF2, 0));
    painter.setBrush(right);
    painter.drawRect(QRectF(0, 0, width, height));
    return image;
}

void drawParagraph(QPainter &painter, const QRectF &box, const QString &text, const QFont &f,
                   const QColor &colour)
{
    drawText(painter, box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, f, colour);
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void drawText(QPainter &painter, const QRectF &box, int flags, const QString &text, const QFont &f,
              const QColor &colour)
{
    painter.save();
    painter.setFont(f);
    painter.setPen(colour);
    painter.drawText(box, flags, text);
    painter.restore();
}

void drawShadow(QPainter &painter, const QRectF &box, qreal radius, int spread, int strength, qreal dy)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = spread; i >= 1; --i) {
        const qreal grow = i;
        const int alpha = strength * (spread - i + 1) / (spread * spread / 2 + spread);
        painter.setBrush(QColor(10, 30, 45, std::max(1, alpha)));
        painter.drawRoundedRect(box.adjusted(-grow, -grow + dy, grow, grow + dy), radius + grow,
                                radius + grow);
    }
    painter.restore();
}

void drawCard(QPainter &painter, const QRectF &box, const QColor &fill, qreal radius)
{
    drawShadow(painter, box, radius, 8, 36, 3);
    painter.save();
    painter.setPen(QPen(QColor(0xC9, 0xDA, 0xE1), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);
    painter.restore();
}

void drawHeading(QPainter &painter, qreal left, qreal top, const QString &title, const QString &subtitle,
                 const QColor &titleColour, const QColor &subtitleColour, int titleSize)
{
    const QFont titleFont = font(titleSize, true);
    const QFontMetricsF metrics(titleFont);
    const qreal titleHeight = metrics.height();
    drawText(painter, QRectF(left, top, 900, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title, titleFont,
             titleColour);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::tealBright());
    painter.drawRoundedRect(QRectF(left + 2, top + titleHeight + 4, 64, 5), 2.5, 2.5);
    painter.restore();
    if (!subtitle.isEmpty()) {
        drawText(painter, QRectF(left, top + titleHeight + 14, 900, 24), Qt::AlignLeft | Qt::AlignVCenter,
                 subtitle, font(17), subtitleColour);
    }
}

void drawClickArea(QPainter &painter, const ClickArea &area)
{
    const QRectF box(area.left, area.top, area.width, area.height);
    painter.save();
    // A soft shadow under the ellipse, most of it below its lower half.
    painter.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        painter.setBrush(QColor(10, 30, 45, 10 + 4 * (6 - i)));
        painter.drawEllipse(box.adjusted(-i + 2, -i + 5, i - 2, i + 3));
    }
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, QColor(0x3C, 0xC2, 0xB0));
    fill.setColorAt(1.0, QColor(0x1A, 0x78, 0x80));
    painter.setBrush(fill);
    const qreal ring = area.height < 40 ? 2.0 : 3.0;
    painter.setPen(QPen(Qt::white, ring));
    painter.drawEllipse(box.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
    // A gloss on the upper half.
    QRectF gloss = box.adjusted(box.width() * 0.12, ring + 2, -box.width() * 0.12, -box.height() * 0.52);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, 70));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(gloss);
    painter.restore();

    const QString caption = QString::fromUtf8(area.caption.data(), qsizetype(area.caption.size()));
    const QString detail = QString::fromUtf8(area.detail.data(), qsizetype(area.detail.size()));
    if (area.height < 40) {
        drawIcon(painter, Icon::Globe, box.adjusted(5, 5, -5, -5), Qt::white, 1.6);
        return;
    }
    const qreal inner = box.width() * 0.78;
    const int captionSize = area.height < 60 ? 17 : 22;
    const QFont captionFont = fittedFont(caption, captionSize, true, inner);
    const QColor textShadow(8, 50, 60, 120);
    if (detail.isEmpty()) {
        drawText(painter, box.translated(0, 1), Qt::AlignCenter, caption, captionFont, textShadow);
        drawText(painter, box, Qt::AlignCenter, caption, captionFont, Qt::white);
        return;
    }
    const QFont detailFont = fittedFont(detail, 14, false, inner);
    const qreal captionHeight = QFontMetricsF(captionFont).height();
    const qreal detailHeight = QFontMetricsF(detailFont).height();
    const qreal top = box.center().y() - (captionHeight + detailHeight) / 2;
    const QRectF captionBox(box.left(), top, box.width(), captionHeight);
    drawText(painter, captionBox.translated(0, 1), Qt::AlignCenter, caption, captionFont, textShadow);
    drawText(painter, captionBox, Qt::AlignCenter, caption, captionFont, Qt::white);
    drawText(painter, QRectF(box.left(), top + captionHeight, box.width(), detailHeight), Qt::AlignCenter,
             detail, detailFont, QColor(0xE4, 0xF7, 0xF4));
}

void drawClickAreas(QPainter &painter, std::string_view pictureName)
{
    for (const ClickArea &area : kClickAreas) {
        if (area.picture == pictureName) {
            drawClickArea(painter, area);
        }
    }
}

ButtonLook tealButton()
{
    return {QColor(0x33, 0xB8, 0xA8), QColor(0x1A, 0x7C, 0x82), Qt::white};
}
ButtonLook navyButton()
{
    return {QColor(0x2E, 0x6A, 0x91), QColor(0x14, 0x3F, 0x5E), Qt::white};
}
ButtonLook coralButton()
{
    return {QColor(0xEE, 0x85, 0x6C), QColor(0xC4, 0x4F, 0x3A), Qt::white};
}
ButtonLook amberButton()
{
    return {QColor(0xF8, 0xC8, 0x5A), QColor(0xDE, 0x93, 0x1F), QColor(0x3A, 0x24, 0x05)};
}
ButtonLook greenButton()
{
    return {QColor(0x5C, 0xBF, 0x72), QColor(0x2D, 0x8A, 0x4A), Qt::white};
}

QImage buttonPicture(int width, int height, const QRectF &bodyBox, const ButtonLook &look,
                     const ButtonText &text, bool pressed, const QColor &surround, int captionSize)
{
    QImage image = blankPicture(width, height, surround);
    QPainter painter(&image);
    prepare(painter);
    const qreal radius = std::min(14.0, bodyBox.height() / 2);
    QRectF body = bodyBox;
    if (pressed) {
        body.translate(0, 2);
    } else {
        drawShadow(painter, bodyBox, radius, 3, 60, 2);
    }
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    if (pressed) {
        fill.setColorAt(0.0, look.bottom.darker(112));
        fill.setColorAt(1.0, look.top.darker(108));
    } else {
        fill.setColorAt(0.0, look.top);
        fill.setColorAt(1.0, look.bottom);
    }
    painter.setPen(QPen(look.bottom.darker(pressed ? 135 : 120), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.setPen(Qt::NoPen);
    if (pressed) {
        // An inner shadow along the top edge: the button sits lower than its frame.
        QLinearGradient inner(body.topLeft(), body.topLeft() + QPointF(0, 8));
        inner.setColorAt(0.0, QColor(0, 0, 0, 70));
        inner.setColorAt(1.0, QColor(0, 0, 0, 0));
        painter.setBrush(inner);
        painter.drawRoundedRect(body.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    } else {
        QLinearGradient gloss(body.topLeft(), body.topLeft() + QPointF(0, body.height() / 2));
        gloss.setColorAt(0.0, QColor(255, 255, 255, 60));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.setBrush(gloss);
        painter.drawRoundedRect(body.adjusted(1.5, 1.5, -1.5, -body.height() / 2), radius - 1.5,
                                radius - 1.5);
    }

    const bool small = body.height() < 40;
    const QRectF content = body.adjusted(small ? 5 : 12, 0, small ? -5 : -12, 0);
    const qreal iconSize = text.icon == Icon::None ? 0 : std::min(28.0, body.height() * 0.48);
    const qreal gap = iconSize > 0 ? (small ? 5 : 8) : 0;
    const qreal textRoom = content.width() - iconSize - gap;
    const QFont captionFont = fittedFont(text.caption, captionSize, true, textRoom);
    const QFont detailFont = fittedFont(text.detail, std::max(10, captionSize * 7 / 10), false, textRoom);
    const QFontMetricsF captionMetrics(captionFont);
    const qreal textWidth =
        std::max(captionMetrics.horizontalAdvance(text.caption),
                 text.detail.isEmpty() ? 0.0 : QFontMetricsF(detailFont).horizontalAdvance(text.detail));
    const qreal groupWidth = iconSize + gap + textWidth;
    qreal x = content.center().x() - groupWidth / 2;
    const QColor textColour = pressed ? look.text.darker(104) : look.text;
    QRectF iconBox;
    QRectF textBox;
    if (text.iconRight) {
        textBox = QRectF(x, body.top(), textWidth, body.height());
        iconBox = QRectF(x + textWidth + gap, body.center().y() - iconSize / 2, iconSize, iconSize);
    } else {
        iconBox = QRectF(x, body.center().y() - iconSize / 2, iconSize, iconSize);
        textBox = QRectF(x + iconSize + gap, body.top(), textWidth, body.height());
    }
    if (iconSize > 0) {
        drawIcon(painter, text.icon, iconBox, textColour, iconSize > 24 ? 2.6 : 2.2);
    }
    const int align = (text.iconRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    if (text.detail.isEmpty()) {
        drawText(painter, textBox, align, text.caption, captionFont, textColour);
    } else {
        const qreal ch = captionMetrics.height();
        const qreal dh = QFontMetricsF(detailFont).height();
        const qreal top = body.center().y() - (ch + dh) / 2;
        drawText(painter, QRectF(textBox.left(), top, textWidth, ch), align, text.caption, captionFont,
                 textColour);
        QColor detailColour = textColour;
        detailColour.setAlpha(215);
        drawText(painter, QRectF(textBox.left(), top + ch, textWidth, dh), align, text.detail, detailFont,
                 detailColour);
    }
    return image;
}

} // namespace velmora::skin
