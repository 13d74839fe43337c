#include "skin_preview.h"

#include "skin_style.h"

#include <QDir>
#include <QLinearGradient>
#include <QRegion>

#include <functional>
#include <map>

namespace velmora::skin {

namespace {

using Pictures = std::map<QString, QImage>;

const QRect kScreenArea(21, 173, 965, 576);

// A picture drawn "transparent": pixels of exactly its bottom-left colour are left out.
void drawTransparent(QPainter &painter, QPoint at, const QImage &picture)
{
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1) | 0xFF000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((row[x] | 0xFF000000u) == key) {
                row[x] = 0;
            }
        }
    }
    painter.drawImage(at, keyed);
}

// Sample contents in a stand-in for the program's 8-bit-era sans serif font.
void sample(QPainter &painter, int x, int y, const QString &text, int pixelSize, bool bold,
            const QColor &colour = Qt::black)
{
    drawText(painter, QRectF(x, y, 600, pixelSize * 1.5), Qt::AlignLeft | Qt::AlignTop, text,
             font(pixelSize, bold), colour);
}

void comboBox(QPainter &painter, const QRect &box, const QString &text)
{
    painter.setPen(QColor(0x7A, 0x8A, 0x94));
    painter.setBrush(Qt::white);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(box.right() - 17, box.top() + 2, 16, box.height() - 4), QColor(0xE4, 0xE8, 0xEB));
    sample(painter, box.left() + 5, box.top() + 4, text, 16, false);
}

void textButton(QPainter &painter, const QRect &box, const QString &text)
{
    drawText(painter, box, Qt::AlignCenter, text, font(11, true), Qt::white);
}

void stars(QPainter &painter, const Pictures &pictures, QPoint at, int value)
{
    painter.fillRect(QRect(at, QSize(173, 37)), Qt::white);
    for (int rank = 1; rank <= 5; ++rank) {
        const QString name =
            rank <= value ? QStringLiteral("star.bmp") : QStringLiteral("star_deaktiviert.bmp");
        painter.drawImage(at + QPoint(35 * (rank - 1), 0), pictures.at(name));
    }
}

// A stand-in for a portrait picture of a set.
QImage samplePortrait(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(0x6A, 0x9F, 0xC8));
    sky.setColorAt(0.6, QColor(0xF3, 0xC7, 0x8E));
    sky.setColorAt(1.0, QColor(0x3B, 0x5C, 0x4A));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2E, 0x4A, 0x3C));
    painter.drawEllipse(QRectF(-width * 0.3, height * 0.62, width * 1.6, height * 0.8));
    return image;
}

QImage mainWindow(const Pictures &pictures, bool showBack, const std::function<void(QPainter &)> &screen)
{
    QImage window = blankPicture(1008, 765, Qt::white);
    QPainter painter(&window);
    prepare(painter);
    painter.drawImage(0, 0, pictures.at(QStringLiteral("GUI_main_bodytop.bmp")));
    painter.drawImage(0, 175, pictures.at(QStringLiteral("GUI_main_bodyleft.bmp")));
    painter.drawImage(986, 175, pictures.at(QStringLiteral("GUI_main_bodyright.bmp")));
    drawTransparent(painter, QPoint(0, 743), pictures.at(QStringLiteral("GUI_main_bodybottom.bmp")));
    if (showBack) {
        painter.drawImage(30, 124, pictures.at(QStringLiteral("GUI_back.bmp")));
    }
    painter.drawImage(120, 124, pictures.at(QStringLiteral("GUI_home.bmp")));
    painter.drawImage(210, 124, pictures.at(QStringLiteral("GUI_exit.bmp")));
    painter.drawImage(640, 127, pictures.at(QStringLiteral("GUI_pimpseite.bmp")));
    // The screen area is a window of its own: it covers the frame where they overlap.
    painter.fillRect(kScreenArea, Qt::white);
    painter.setClipRect(kScreenArea);
    painter.translate(kScreenArea.topLeft());
    screen(painter);
    return window;
}

void welcome(QPainter &p, const Pictures &pictures)
{
    p.drawImage(0, 0, pictures.at(QStringLiteral("GUI_welcome.bmp")));
}

void settings(QPainter &p, const Pictures &pictures)
{
    p.fillRect(QRect(0, 0, 966, 571), Qt::black);
    p.drawImage(0, 0, pictures.at(QStringLiteral("GUI_einstellungen.bmp")));
    textButton(p, QRect(410, 55, 191, 40), QStringLiteral("Mehr Bilder im Internet"));
    textButton(p, QRect(410, 110, 191, 40), QStringLiteral("Bilder importieren"));
    drawText(p, QRectF(450, 170, 200, 16), Qt::AlignLeft, QStringLiteral("About Velmora"), font(11),
             Qt::white);
    textButton(p, QRect(410, 245, 191, 40), QStringLiteral("Alle Daten zurücksetzten"));
    textButton(p, QRect(410, 300, 191, 40), QStringLiteral("GirlsEditor"));
    sample(p, 410, 435, QStringLiteral("Musiklautstärke:"), 11, true, Qt::white);
    p.fillRect(QRect(505, 430, 96, 40), Qt::black);
    p.fillRect(QRect(512, 448, 82, 4), QColor(0x80, 0x80, 0x80));
    p.fillRect(QRect(522, 440, 10, 20), QColor(0xD0, 0xD0, 0xD0));
    p.fillRect(QRect(410, 475, 13, 13), Qt::white);
    sample(p, 428, 475, QStringLiteral("Musik aus"), 11, true, Qt::white);
}

void learningMenu(QPainter &p, const Pictures &pictures)
{
    p.drawImage(0, 0, pictures.at(QStringLiteral("gui_betreutes_lernen.bmp")));
    drawText(p, QRectF(310, 20, 75, 37), Qt::AlignCenter, QStringLiteral("240"), font(32, true), Qt::white);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRect(766, 21, 179, 54));
    sample(p, 780, 35, QStringLiteral("Klasse:"), 16, true);
    comboBox(p, QRect(855, 35, 80, 28), QStringLiteral("B"));
}

void lookUp(QPainter &p, const Pictures &pictures)
{
    p.drawImage(0, 0, pictures.at(QStringLiteral("GUI_nachschlagen.bmp")));
    comboBox(p, QRect(615, 430, 55, 28), QStringLiteral("B"));
    comboBox(p, QRect(615, 485, 56, 28), QStringLiteral("1"));
}

void fail(QPainter &p, const Pictures &pictures)
{
    p.drawImage(0, 0, pictures.at(QStringLiteral("GUI_versager.bmp")));
    sample(p, 40, 95, QStringLiteral("4"), 16, true);
    sample(p, 40, 145, QStringLiteral("14"), 16, true);
    sample(p, 40, 190, QStringLiteral("-5"), 16, true);
    sample(p, 40, 235, QStringLiteral("235"), 16, true);
    drawParagraph(p, QRectF(40, 265, 261, 126),
                  QStringLiteral("Sie haben mehr als 10 Fehlerpunkte und sind damit durchgefallen!"),
                  font(13), Qt::black);
}

void pass(QPainter &p, const Pictures &pictures)
{
    p.drawImage(0, 0, pictures.at(QStringLiteral("GUI_pimp.bmp")));
    const QImage portrait = samplePortrait(425, 566);
    p.drawImage(285 + (666 - portrait.width()) / 2, 0, portrait);
    drawTransparent(p, QPoint(645, -30), pictures.at(QStringLiteral("GUI_pimpschrift.bmp")));
    sample(p, 15, 25, QStringLiteral("Du bist bereit für die Prüfung!"), 16, true, Qt::red);
    sample(p, 15, 110, QStringLiteral("1"), 16, true);
    sample(p, 15, 155, QStringLiteral("3"), 16, true);
    sample(p, 15, 200, QStringLiteral("+20"), 16, true);
    sample(p, 15, 245, QStringLiteral("260"), 16, true);
    drawParagraph(
        p, QRectF(15, 270, 171, 96),
        QStringLiteral("Mira wartet schon auf Sie – noch ein Test, und das nächste Bild gehört Ihnen."),
        font(13), Qt::black);
    drawText(p, QRectF(15, 380, 200, 16), Qt::AlignLeft, QStringLiteral("Fragen mit Antworten anzeigen"),
             font(11), Qt::blue);
}

void question(QPainter &p, const Pictures &pictures)
{
    p.fillRect(QRect(0, 0, 966, 571), colours::questionGround());
    sample(p, 180, 50, QStringLiteral("Wie verhalten Sie sich an dieser Kreuzung?"), 16, true);
    const char *names[] = {"GUI_Abbrechen.bmp", "GUI_Auswerten.bmp", "GUI_Uebersicht.bmp",
                           "GUI_previousquestion_down.bmp", "GUI_nextquestion.bmp"};
    for (int i = 0; i < 5; ++i) {
        p.drawImage(10 + 190 * i, 495, pictures.at(QString::fromLatin1(names[i])));
    }
}

void gallery(QPainter &p, const Pictures &pictures)
{
    p.drawImage(0, 0, pictures.at(QStringLiteral("GUI_galerie.bmp")));
    p.fillRect(QRect(280, 120, 156, 316), Qt::white);
    const QString sets[] = {QStringLiteral("Küstenstraßen"), QStringLiteral("Bergpässe"),
                            QStringLiteral("Stadt bei Nacht"), QStringLiteral("Oldtimer")};
    for (int i = 0; i < 4; ++i) {
        if (i == 1) {
            p.fillRect(QRect(280, 120 + 22 * i, 156, 22), QColor(0x1F, 0x8A, 0x8A));
        }
        drawText(p, QRectF(284, 120 + 22 * i, 150, 22), Qt::AlignLeft | Qt::AlignVCenter, sets[i], font(16),
                 i == 1 ? Qt::white : Qt::black);
    }
    p.fillRect(QRect(485, 150, 151, 21), Qt::white);
    sample(p, 485, 151, sets[1], 16, true);
    stars(p, pictures, QPoint(485, 195), 3);
    p.drawImage(670, 140, pictures.at(QStringLiteral("GUI_freigespielt.bmp")));
    sample(p, 485, 405, QStringLiteral("400 PimpPoints"), 16, true);
    sample(p, 60, 265, QStringLiteral("260"), 19, true);
    drawTransparent(p, QPoint(590, 495), pictures.at(QStringLiteral("GUI_buy.bmp")));
    drawTransparent(p, QPoint(775, 495), pictures.at(QStringLiteral("GUI_bilderanzeigen.bmp")));
    drawTransparent(p, QPoint(300, 505), pictures.at(QStringLiteral("GUI_neuegirlsiminternet.bmp")));
}

void picturesScreen(QPainter &p, const Pictures &pictures)
{
    p.drawImage(0, 0, pictures.at(QStringLiteral("GUI_bilder.bmp")));
    drawText(p, QRectF(75, 65, 266, 46), Qt::AlignCenter, QStringLiteral("Bergpässe"), font(32, true),
             Qt::black);
    p.fillRect(QRect(500, 15, 71, 381), Qt::white);
    for (int i = 0; i < 8; ++i) {
        if (i == 2) {
            p.fillRect(QRect(500, 15 + 20 * i, 71, 20), QColor(0x1F, 0x8A, 0x8A));
        }
        drawText(p, QRectF(504, 15 + 20 * i, 40, 20), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::number(i + 1), font(13), i == 2 ? Qt::white : Qt::black);
    }
    // A locked picture: black, the picture showing through the question mark moved 40 right, 20 down.
    QImage teaser(366, 512, QImage::Format_RGB32);
    teaser.fill(Qt::black);
    {
        const QImage &mask = pictures.at(QStringLiteral("GUI_questionmask.bmp"));
        QRegion region;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width();) {
                if ((mask.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu) {
                    ++x;
                    continue;
                }
                int end = x;
                while (end < mask.width() && (mask.pixel(end, y) & 0xFFFFFFu) != 0xFFFFFFu) {
                    ++end;
                }
                region += QRect(x, y, end - x, 1);
                x = end;
            }
        }
        QPainter tp(&teaser);
        tp.setClipRegion(region.translated(40, 20));
        tp.drawImage(0, 0, samplePortrait(900, 1200));
    }
    p.drawImage(590, 5, teaser);
    stars(p, pictures, QPoint(595, 519), 4);
    sample(p, 785, 535, QStringLiteral("Preis:"), 11, false);
    sample(p, 820, 535, QStringLiteral("82 Points"), 11, false);
    p.setPen(QColor(0x7A, 0x8A, 0x94));
    p.setBrush(QColor(0xE4, 0xE8, 0xEB));
    p.drawRect(QRect(870, 525, 81, 25));
    drawText(p, QRectF(870, 525, 82, 26), Qt::AlignCenter, QStringLiteral("Vollbild"), font(11, true),
             Qt::black);
    sample(p, 80, 480, QStringLiteral("260"), 19, true);
    p.drawImage(400, 490, pictures.at(QStringLiteral("GUI_buy.bmp")).copy(0, 0, 181, 66));
    p.drawImage(220, 490, pictures.at(QStringLiteral("GUI_zurueck.bmp")));
}

} // namespace

QString writePreview(const QString &folder, const std::vector<std::pair<QString, QImage>> &pictureList)
{
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("cannot create %1").arg(folder);
    }
    Pictures pictures;
    for (const auto &[name, picture] : pictureList) {
        QString base = name;
        base.chop(4);
        if (!picture.save(folder + u'/' + base + QStringLiteral(".png"))) {
            return QStringLiteral("cannot write %1.png").arg(base);
        }
        pictures[name] = picture;
    }
    const std::pair<const char *, std::function<void(QPainter &, const Pictures &)>> screens[] = {
        {"welcome", welcome},     {"einstellungen", settings}, {"betreutes", learningMenu},
        {"nachschlagen", lookUp}, {"versager", fail},          {"pimp", pass},
        {"frage", question},      {"galerie", gallery},        {"bilder", picturesScreen},
    };
    for (const auto &[screenName, draw] : screens) {
        const QString name = QString::fromLatin1(screenName);
        const QImage window =
            mainWindow(pictures, name != u"welcome", [&](QPainter &painter) { draw(painter, pictures); });
        if (!window.save(folder + QStringLiteral("/mockup_") + name + QStringLiteral(".png"))) {
            return QStringLiteral("cannot write mockup_%1.png").arg(name);
        }
    }
    return {};
}

} // namespace velmora::skin
