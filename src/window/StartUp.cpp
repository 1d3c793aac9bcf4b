// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartUp.h"

#include <QApplication>
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
#include <QSvgRenderer>
#include <QTranslator>

#include "CaptionLabelAccessible.h"
#include "FontNames.h"
#include "GuideView.h"
#include "InputBoxAccessible.h"

// At global scope, outside every namespace: the resource initialiser is declared there.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace bellmora {

namespace {

// The window keeps the Windows face names; these are the nearest faces on this system.
void SubstituteFonts() {
    QFont::insertSubstitution(QStringView(kPGothicFace).toString(), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringView(kGothicFace).toString(), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringView(kTimesFace).toString(),
                              QStringLiteral("Liberation Serif"));
}

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

// A picture drawn at the size it is asked for, kept aspect, as Qt's SVG icon engine draws
// it: but without that engine's plugin and the image-format plugins that Qt loads with it,
// which cost every start time and memory.
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
        QSvgRenderer renderer(picture_);
        const QSize actual = renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
        if (actual.isEmpty()) return drawn;
        QImage image(actual, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        drawn = QPixmap::fromImage(image);
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

QIcon ButtonIcon(const QString& picture) {
    LoadPictures();
    return QIcon(new PictureIconEngine(picture));
}

QIcon PictureIcon(const QString& picture) {
    LoadPictures();
    QSvgRenderer renderer(picture);
    QIcon icon;
    for (const int side : {16, 32, 64, 128}) {
        const QSize size = renderer.defaultSize().scaled(side, side, Qt::KeepAspectRatio);
        if (size.isEmpty()) continue;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

void LoadPictures() {
    static const bool loaded = (InitPictureResources(), true);
    (void)loaded;
}

void PrepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Bellmora"));
    QApplication::setApplicationVersion(QStringLiteral(BELLMORA_VERSION_TEXT));
    LoadPictures();
    QApplication::setWindowIcon(PictureIcon(QStringLiteral(":/pictures/icon.svg")));
    LoadJapaneseQtTexts(app);
    SubstituteFonts();
    SteadyTextCursor();
    InstallCaptionLabelAccessibility();
    InstallInputBoxAccessibility();
    InstallGuideViewAccessibility();
}

}  // namespace bellmora
