// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpBrowser.h"

#include <QDesktopServices>
#include <QTextDocument>

#include "HelpText.h"

namespace bellmora {

namespace {

const QString kScheme = QStringLiteral("chm");

// Links of the form ms-its:name.chm::/page.html or mk:@MSITStore:name.chm::/page.html name
// a page of a help file after the "::".
QString PathAfterFileName(const QUrl& url) {
    const QString path = url.path();
    const qsizetype separator = path.indexOf(QStringLiteral("::"));
    return separator < 0 ? QString() : path.mid(separator + 2);
}

QString NotFoundPage(const QUrl& url) {
    return QStringLiteral(
               "<html><body><h2>ページが見つかりません</h2>"
               "<p>このヘルプファイルには「%1」がありません。</p></body></html>")
        .arg(url.path().toHtmlEscaped());
}

bool IsOutsideLink(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QStringLiteral("http") || scheme == QStringLiteral("https") ||
           scheme == QStringLiteral("mailto");
}

}  // namespace

HelpBrowser::HelpBrowser(std::shared_ptr<const ChmArchive> archive, QWidget* parent)
    : QTextBrowser(parent), archive_(std::move(archive)) {
    setOpenLinks(false);  // links are followed here, so none leaves the help file unasked
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

QUrl HelpBrowser::PageUrl(const QString& pathInFile) {
    QUrl top;
    top.setScheme(kScheme);
    top.setPath(QStringLiteral("/"));
    return top.resolved(QUrl(pathInFile));
}

bool HelpBrowser::HasPage(const QUrl& url) const { return Find(url) != nullptr; }

const std::string* HelpBrowser::Find(const QUrl& url) const {
    const QString inside = PathAfterFileName(url);
    if (!inside.isEmpty()) return archive_->Find(inside.section(u'#', 0, 0).toStdString());
    if (url.scheme() != kScheme) return nullptr;  // nothing is read from disk or the network
    return archive_->Find(url.path().toStdString());
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const std::string* data = Find(url);
    if (type == QTextDocument::ImageResource)
        return data ? QVariant(QByteArray(data->data(), static_cast<qsizetype>(data->size())))
                    : QVariant();
    if (type == QTextDocument::StyleSheetResource)
        return data ? QVariant(DecodeHelpText(*data, false)) : QVariant();
    return data ? DecodeHelpText(*data, true) : NotFoundPage(url);
}

bool HelpBrowser::focusNextPrevChild(bool next) {
    const bool moved = QTextBrowser::focusNextPrevChild(next);
    // Still here: Tab came to a link, which it selects.
    if (moved && hasFocus() && textCursor().hasSelection())
        emit linkReached(textCursor().selectedText().simplified());
    return moved;
}

void HelpBrowser::FollowLink(const QUrl& link) {
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (IsOutsideLink(url)) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QString inside = PathAfterFileName(url);
    setSource(inside.isEmpty() ? url : PageUrl(inside));
}

}  // namespace bellmora
