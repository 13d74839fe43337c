#include "controls/picture_box.h"

#include "controls/bitmap_image.h"
#include "pictures/fit_rect.h"

#include <QMouseEvent>
#include <QPainter>

TPictureBox::TPictureBox(QWidget *parent) : QWidget(parent) {}

void TPictureBox::setPicture(const QPixmap &picture)
{
    m_bitmap = TBitmap();
    m_picture = picture;
    updateShownPicture();
}

void TPictureBox::setBitmap(TBitmap bitmap)
{
    m_picture = QPixmap();
    m_bitmap = std::move(bitmap);
    updateShownPicture();
}

void TPictureBox::clearPicture()
{
    m_picture = QPixmap();
    m_bitmap = TBitmap();
    updateShownPicture();
}

QPixmap TPictureBox::picture() const
{
    if (!m_bitmap.isEmpty())
        return QPixmap::fromImage(ImageView(m_bitmap));
    return m_picture;
}

QSize TPictureBox::pictureSize() const
{
    if (!m_bitmap.isEmpty())
        return QSize(m_bitmap.width(), m_bitmap.height());
    return m_picture.size();
}

void TPictureBox::setMode(TPictureMode mode)
{
    m_mode = mode;
    update();
}

void TPictureBox::setTransparent(bool transparent)
{
    m_transparent = transparent;
    updateShownPicture();
}

void TPictureBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    updateShownPicture();
}

QImage WithTransparentKey(const QImage &picture)
{
    if (picture.isNull())
        return picture;
    QImage cut = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = cut.pixel(0, cut.height() - 1) | 0xFF000000u;
    for (int y = 0; y < cut.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(cut.scanLine(y));
        for (int x = 0; x < cut.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
        }
    }
    return cut;
}

void TPictureBox::updateShownPicture()
{
    m_shown = QImage();
    m_shownPixmap = QPixmap();
    if (!m_bitmap.isEmpty()) {
        m_shown = m_transparent ? WithTransparentKey(ImageView(m_bitmap)) : ImageView(m_bitmap);
    } else if (!m_picture.isNull()) {
        m_shownPixmap = m_picture;
        if (m_transparent) {
            const QImage image = m_picture.toImage();
            const QColor key = image.pixelColor(0, image.height() - 1);
            m_shownPixmap.setMask(m_picture.createMaskFromColor(key, Qt::MaskInColor));
        }
    }
    if (m_autoSize && hasPicture())
        resize(pictureSize());
    update();
}

QRect TPictureBox::shownRect() const
{
    const QSize size = pictureSize();
    if (size.isEmpty())
        return {};
    const int boxWidth = width();
    const int boxHeight = height();
    switch (m_mode) {
    case TPictureMode::TopLeft:
        break;
    case TPictureMode::Centre:
        return QRect((boxWidth - size.width()) / 2, (boxHeight - size.height()) / 2, size.width(), size.height());
    case TPictureMode::ShrinkCentre: {
        const TRect fit = FitRect(boxWidth, boxHeight, size.width(), size.height(), false, true, true);
        return QRect(fit.x, fit.y, fit.width, fit.height);
    }
    case TPictureMode::Proportional: {
        const TRect fit = FitRect(boxWidth, boxHeight, size.width(), size.height(), true, true, false);
        return QRect(fit.x, fit.y, fit.width, fit.height);
    }
    }
    return QRect(QPoint(0, 0), size);
}

void TPictureBox::paintEvent(QPaintEvent *)
{
    if (m_shown.isNull() && m_shownPixmap.isNull())
        return;
    const QRect target = shownRect();
    QPainter painter(this);
    // Pictures shown at their own size are copied pixel for pixel; only a box that scales smooths.
    if (target.size() != pictureSize())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_shown.isNull())
        painter.drawImage(target, m_shown);
    else
        painter.drawPixmap(target, m_shownPixmap);
}

void TPictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressedInside = event->button() == Qt::LeftButton;
    event->accept();
}

void TPictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedInside && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressedInside = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}
