// velmora_skin_generator: draws the standard skin and writes it as the skin archive "standard.skin".
//
//   velmora_skin_generator <archive> [--preview <folder>] [--fonts <folder>]
//
// --preview also writes every picture as PNG (decoded from the JPEG that ships) and mock-ups of the main
// window with each screen, for looking at the skin without starting the program.

#include "jpeg_writer.h"
#include "skin_archive.h"
#include "skin_drawings.h"
#include "skin_pictures.h"
#include "skin_preview.h"
#include "skin_style.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

#ifndef VELMORA_SKIN_FONT_DIR
#define VELMORA_SKIN_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace {

constexpr int kJpegQuality = 92;

// Qt's note that XDG_RUNTIME_DIR is unset means nothing for a drawing tool run by the build.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

int fail(const QString &message)
{
    std::fprintf(stderr, "velmora_skin_generator: %s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(quietMessages);
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QString archivePath;
    QString previewFolder;
    QString fontFolder = QStringLiteral(VELMORA_SKIN_FONT_DIR);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if ((argument == u"--preview" || argument == u"--fonts") && i + 1 < arguments.size()) {
            (argument == u"--preview" ? previewFolder : fontFolder) = arguments.at(++i);
        } else if (archivePath.isEmpty() && !argument.startsWith(u'-')) {
            archivePath = argument;
        } else {
            return fail(QStringLiteral("unknown argument %1").arg(argument));
        }
    }
    if (archivePath.isEmpty()) {
        return fail(QStringLiteral(
            "usage: velmora_skin_generator <archive> [--preview <folder>] [--fonts <folder>]"));
    }
    if (!velmora::skin::loadFonts(fontFolder)) {
        return fail(
            QStringLiteral("the DejaVu fonts are missing in %1 (package fonts-dejavu-core)").arg(fontFolder));
    }

    std::vector<std::pair<std::string, QByteArray>> members;
    std::vector<std::pair<QString, QImage>> pictures;
    for (const velmora::skin::SkinPicture &entry : velmora::skin::kSkinPictures) {
        const QString name = QString::fromLatin1(entry.name.data(), qsizetype(entry.name.size()));
        const QImage picture = velmora::skin::drawSkinPicture(entry.name);
        if (picture.isNull()) {
            return fail(QStringLiteral("no drawing for %1").arg(name));
        }
        if (picture.width() != entry.width || picture.height() != entry.height) {
            return fail(QStringLiteral("%1 is drawn %2 x %3, its control is %4 x %5")
                            .arg(name)
                            .arg(picture.width())
                            .arg(picture.height())
                            .arg(entry.width)
                            .arg(entry.height));
        }
        QByteArray jpeg = velmora::skin::encodeJpeg(picture, kJpegQuality);
        if (jpeg.isEmpty()) {
            return fail(QStringLiteral("%1 could not be encoded").arg(name));
        }
        if (!previewFolder.isEmpty()) {
            pictures.emplace_back(name, QImage::fromData(jpeg, "JPEG"));
        }
        members.emplace_back(velmora::skin::memberName(entry.name), std::move(jpeg));
    }

    QDir().mkpath(QFileInfo(archivePath).absolutePath());
    const QString error = velmora::skin::writeStoredZip(archivePath, members);
    if (!error.isEmpty()) {
        return fail(QStringLiteral("%1: %2").arg(archivePath, error));
    }
    if (!previewFolder.isEmpty()) {
        const QString previewError = velmora::skin::writePreview(previewFolder, pictures);
        if (!previewError.isEmpty()) {
            return fail(previewError);
        }
    }
    return 0;
}
