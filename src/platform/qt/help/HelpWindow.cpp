// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpWindow.h"

#include <QAction>
#include <QEvent>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "HelpBrowser.h"
#include "HelpText.h"

namespace bellmora {

namespace {

const QString kDefaultCaption = QStringLiteral("Bellmora ヘルプ");
constexpr int kPageRole = Qt::UserRole;

QString PageKey(const QUrl& page) { return page.path().toLower(); }

// A contents line names its page relative to the contents file.
QUrl EntryPage(const SitemapEntry& entry, const QUrl& contentsUrl) {
    if (entry.local.empty()) return {};
    return contentsUrl.resolved(QUrl(QString::fromStdU16String(entry.local)));
}

HelpWindow::Contents ReadContents(const ChmArchive& archive) {
    const std::string path = archive.ContentsPath();
    const std::string* data = path.empty() ? nullptr : archive.Find(path);
    if (data == nullptr) return {};
    return {HelpBrowser::PageUrl(QString::fromStdString(path)),
            ReadSitemap(DecodeHelpText(*data, true).toStdU16String())};
}

}  // namespace

HelpWindow::HelpWindow(std::shared_ptr<const ChmArchive> archive, QWidget* parent)
    : QMainWindow(parent), archive_(std::move(archive)), speech_(this) {
    const std::string& title = archive_->System().title;
    setWindowTitle(title.empty() ? kDefaultCaption : DecodeHelpText(title, false));
    BuildPanes();
    BuildToolBar();

    const Contents contents = ReadContents(*archive_);
    BuildContents(contents);
    startPage_ = ChooseStartPage(contents);

    connect(contents_, &QTreeWidget::itemActivated, this, &HelpWindow::OpenEntry);
    connect(contents_, &QTreeWidget::itemClicked, this, &HelpWindow::OpenEntry);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkEntry);
    ReachByKeyboardAndEar();
}

// A screen reader reads the page that has the focus once, as the window opens; later
// pages, the link Tab comes to and the contents entry the focus returns to are said here.
// Said as plain text: the document's frame marks (U+FDD0, U+FDD1) stay out.
void HelpWindow::ReachByKeyboardAndEar() {
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        if (isVisible())
            speech_.Announce((browser_->documentTitle() + u'\u3000' +
                              browser_->document()->toPlainText().simplified())
                                 .toStdU16String());
    });
    connect(browser_, &HelpBrowser::linkReached, this, [this](const QString& text) {
        speech_.Announce((QStringLiteral(u"リンク ") + text).toStdU16String());
    });
    contents_->installEventFilter(this);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == contents_ && event->type() == QEvent::FocusIn) {
        // After the tree's own focus, its current entry, as a move would tell it.
        QTimer::singleShot(0, contents_, [this] {
            const QModelIndex current = contents_->currentIndex();
            if (!contents_->hasFocus() || !current.isValid()) return;
            contents_->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
            contents_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void HelpWindow::ShowStartPage() {
    if (startPage_.isValid()) browser_->setSource(startPage_);
}

void HelpWindow::BuildPanes() {
    browser_ = new HelpBrowser(archive_, this);
    contents_ = new QTreeWidget(this);
    contents_->setHeaderLabel(QStringLiteral("目次"));
    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 620});
    setCentralWidget(splitter);
    resize(860, 620);
}

void HelpWindow::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("操作"));
    bar->setMovable(false);
    bar->toggleViewAction()->setVisible(false);  // the bar stays
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("戻る"));
    QAction* forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("進む"));
    contentsAction_ = bar->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                     QStringLiteral("目次"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    contentsAction_->setCheckable(true);
    // A way out for the keyboard alone: Escape, Ctrl+W or the button.
    QAction* closeAction = bar->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                          QStringLiteral("閉じる"));
    closeAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(contentsAction_, &QAction::toggled, contents_, &QWidget::setVisible);
}

void HelpWindow::BuildContents(const Contents& contents) {
    for (const SitemapEntry& entry : contents.entries)
        contents_->addTopLevelItem(AddEntry(entry, contents.url, nullptr));
    contents_->expandAll();
    const bool hasContents = !contents.entries.empty();
    contents_->setVisible(hasContents);
    contentsAction_->setEnabled(hasContents);
    contentsAction_->setChecked(hasContents);
}

QTreeWidgetItem* HelpWindow::AddEntry(const SitemapEntry& entry, const QUrl& contentsUrl,
                                      QTreeWidgetItem* parent) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem();
    item->setText(0, QString::fromStdU16String(entry.name));
    const QUrl page = EntryPage(entry, contentsUrl);
    if (page.isValid()) {
        item->setData(0, kPageRole, page);
        entriesByPage_.try_emplace(PageKey(page), item);
    }
    for (const SitemapEntry& child : entry.children) AddEntry(child, contentsUrl, item);
    return item;
}

QUrl HelpWindow::ChooseStartPage(const Contents& contents) const {
    const std::string& topic = archive_->System().defaultTopic;
    if (!topic.empty()) {
        const QUrl page = HelpBrowser::PageUrl(DecodeHelpText(topic, false));
        if (browser_->HasPage(page)) return page;
    }
    return FirstHeldPage(contents.entries, contents.url);
}

QUrl HelpWindow::FirstHeldPage(const std::vector<SitemapEntry>& entries,
                               const QUrl& contentsUrl) const {
    for (const SitemapEntry& entry : entries) {
        const QUrl page = EntryPage(entry, contentsUrl);
        if (page.isValid() && browser_->HasPage(page)) return page;
        const QUrl below = FirstHeldPage(entry.children, contentsUrl);
        if (below.isValid()) return below;
    }
    return {};
}

void HelpWindow::OpenEntry(QTreeWidgetItem* item) {
    const QUrl page = item->data(0, kPageRole).toUrl();
    if (page.isValid() && page != browser_->source()) browser_->setSource(page);
}

// Keeps the contents in step with the page, however it was reached.
void HelpWindow::MarkEntry(const QUrl& page) {
    const auto found = entriesByPage_.find(PageKey(page));
    if (found == entriesByPage_.end()) return contents_->clearSelection();
    contents_->setCurrentItem(found->second);
}

}  // namespace bellmora
