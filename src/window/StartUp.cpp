// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartUp.h"

#include <algorithm>

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOption>
#include <QTranslator>

#include "CaptionLabelAccessible.h"
#include "DesignFont.h"
#include "GuideView.h"
#include "InputBoxAccessible.h"
#include "Pictures.h"

namespace bellmora {

namespace {

// Message-box buttons and the input box's menu read in Japanese whatever the locale.
void LoadJapaneseQtTexts(QApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_ja"), folder))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

// A blinking text cursor wakes the program twice a second for as long as a box has the
// focus, and the typing box holds it through every run, where nobody can see it anyway.
// A steady cursor keeps a waiting run silent.
void SteadyTextCursor() { QGuiApplication::styleHints()->setCursorFlashTime(0); }

// Fusion draws every frame from a picture it reads by name, and Qt's image reader opens
// every image-format plugin, and Qt's SVG module with them, to read any picture by name:
// about 1.5 ms and 0.2 MiB of each start for one small PNG. The picture is read here with
// the built-in PNG reader alone and put where Fusion looks for it first: under its own
// name in newer Qt, and under the name Qt's file loading gives it in older.
void PreloadFusionFramePicture() {
    if (QApplication::style()->name() != QLatin1String("fusion")) return;
    const QString path =
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    const QPixmap picture = QPixmap::fromImage(ReadPng(path));
    if (picture.isNull()) return;
    QPixmapCache::insert(QStringLiteral("fusion_groupbox"), picture);
    // The file name, its time and size, and the pixmap's type, each number as hex digits
    // of its bytes in memory order, low half first.
    const auto hex = [](auto number) {
        QString digits;
        const auto* byte = reinterpret_cast<const unsigned char*>(&number);
        for (std::size_t i = 0; i < sizeof number; ++i) {
            digits += QLatin1Char("0123456789abcdef"[byte[i] & 0xf]);
            digits += QLatin1Char("0123456789abcdef"[byte[i] >> 4]);
        }
        return digits;
    };
    const QFileInfo file(path);
    QPixmapCache::insert(QLatin1String("qt_pixmap") + file.absoluteFilePath() +
                             hex(static_cast<uint>(file.lastModified().toSecsSinceEpoch())) +
                             hex(static_cast<quint64>(file.size())) + hex(0u),
                         picture);
}

// The largest scale of a picture that fits a size, kept aspect.
qreal FittingScale(const QSize& natural, const QSize& size) {
    if (natural.isEmpty()) return 0;
    return std::min(qreal(size.width()) / natural.width(), qreal(size.height()) / natural.height());
}

// A picture of the window's as pixels of a size, kept aspect.
QPixmap PicturePixels(const QString& picture, const QSize& size) {
    const qreal scale = FittingScale(PictureSize(picture), size);
    if (scale <= 0) return {};
    QImage image = Picture(picture, scale);
    image.setDevicePixelRatio(1);  // an icon engine answers in pixels
    return QPixmap::fromImage(std::move(image));
}

// A picture drawn at the size it is asked for, kept aspect, greyed when disabled.
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(QString picture) : picture_(std::move(picture)) {}

    QIconEngine* clone() const override { return new PictureIconEngine(picture_); }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QString key = QStringLiteral("bellmora-icon:%1:%2x%3:%4")
                                .arg(picture_)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(mode);
        QPixmap drawn;
        if (QPixmapCache::find(key, &drawn)) return drawn;
        drawn = PicturePixels(picture_, size);
        if (drawn.isNull()) return drawn;
        if (mode != QIcon::Normal) {  // greyed when disabled, as the style draws it
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
            if (!styled.isNull()) drawn = styled;
        }
        QPixmapCache::insert(key, drawn);
        return drawn;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    QString picture_;
};

}  // namespace

QIcon ButtonIcon(const QString& picture) { return QIcon(new PictureIconEngine(picture)); }

QIcon WindowIcon() {
    QIcon icon;
    for (const int side : {16, 32, 64, 128}) {
        const QImage drawing = WindowIconDrawing(side);
        if (!drawing.isNull()) icon.addPixmap(QPixmap::fromImage(drawing));
    }
    return icon;
}

void PrepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Bellmora"));
    QApplication::setApplicationVersion(QStringLiteral(BELLMORA_VERSION_TEXT));
    QApplication::setWindowIcon(WindowIcon());
    LoadJapaneseQtTexts(app);
    SubstituteDesignFaces();
    SteadyTextCursor();
    PreloadFusionFramePicture();
    InstallCaptionLabelAccessibility();
    InstallInputBoxAccessibility();
    InstallGuideViewAccessibility();
}

}  // namespace bellmora
