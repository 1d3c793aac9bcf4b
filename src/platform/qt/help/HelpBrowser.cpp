// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpBrowser.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QScrollBar>
#include <QTextBlock>
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

// The page as a screen reader reads it. Qt's own text interface hands over the
// document's raw characters, with the marks around every table (U+FDD0, U+FDD1) that a
// voice spells out; here each mark, like each paragraph end, is a line end, so that the
// offsets stay the document's positions.
class HelpBrowserAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HelpBrowserAccessible(HelpBrowser* browser)
        : QAccessibleWidget(browser, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Text(0, characterCount());
        return QAccessibleWidget::text(t);
    }

    QString text(int start, int end) const override { return Text(start, end); }
    int characterCount() const override { return Document()->characterCount() - 1; }
    int cursorPosition() const override { return Browser()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor cursor = Browser()->textCursor();
        cursor.setPosition(std::clamp(position, 0, characterCount()));
        Browser()->setTextCursor(cursor);
    }
    int selectionCount() const override { return Browser()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = Browser()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    void setSelection(int, int start, int end) override {
        QTextCursor cursor = Browser()->textCursor();
        cursor.setPosition(std::clamp(start, 0, characterCount()));
        cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
        Browser()->setTextCursor(cursor);
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        QTextCursor cursor = Browser()->textCursor();
        cursor.clearSelection();
        Browser()->setTextCursor(cursor);
    }
    QRect characterRect(int offset) const override {
        QTextCursor cursor(Document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        const QRect at = Browser()->cursorRect(cursor);
        return QRect(Browser()->viewport()->mapToGlobal(at.topLeft()), at.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint inDocument = Browser()->viewport()->mapFromGlobal(point) +
                                  QPoint(Browser()->horizontalScrollBar()->value(),
                                         Browser()->verticalScrollBar()->value());
        return Document()->documentLayout()->hitTest(inDocument, Qt::FuzzyHit);
    }
    void scrollToSubstring(int start, int) override {
        QTextCursor cursor(Document());
        cursor.setPosition(std::clamp(start, 0, characterCount()));
        Browser()->setTextCursor(cursor);
        Browser()->ensureCursorVisible();
    }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;  // one run without attributes: a reader then reads its lines whole
        *end = characterCount();
        return {};
    }

private:
    HelpBrowser* Browser() const { return static_cast<HelpBrowser*>(widget()); }
    QTextDocument* Document() const { return Browser()->document(); }
    QString Text(int start, int end) const {
        QString text = Document()->toRawText();
        text.truncate(characterCount());
        text =
            text.mid(std::clamp(start, 0, static_cast<int>(text.size())), std::max(0, end - start));
        for (QChar& c : text)
            if (c == QChar(0xFDD0) || c == QChar(0xFDD1) || c == QChar::ParagraphSeparator ||
                c == QChar::LineSeparator)
                c = u'\n';
            else if (c == QChar::Nbsp)
                c = u' ';
        return text;
    }
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(HelpBrowser::staticMetaObject.className())) return nullptr;
    return new HelpBrowserAccessible(static_cast<HelpBrowser*>(object));
}

}  // namespace

HelpBrowser::HelpBrowser(std::shared_ptr<const ChmArchive> archive, QWidget* parent)
    : QTextBrowser(parent), archive_(std::move(archive)) {
    static const bool accessible = (QAccessible::installFactory(CreateInterface), true);
    (void)accessible;
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
