// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QUrl>

#include <map>
#include <memory>
#include <vector>

#include "ChmArchive.h"
#include "QtSpeech.h"
#include "Sitemap.h"

class QAction;
class QTreeWidget;
class QTreeWidgetItem;

namespace bellmora {

class HelpBrowser;

// One help file on screen: the contents beside the page, with Back and Forward.
class HelpWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpWindow(std::shared_ptr<const ChmArchive> archive, QWidget* parent = nullptr);

    // The page shown first: the help file's default topic, else the first page of its
    // contents that it holds. Invalid when the file has no page to show.
    const QUrl& StartPage() const { return startPage_; }
    void ShowStartPage();

    // The contents file read into lines, with its own address, against which the lines
    // name their pages.
    struct Contents {
        QUrl url;
        std::vector<SitemapEntry> entries;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPanes();
    void ReachByKeyboardAndEar();
    void BuildToolBar();
    void BuildContents(const Contents& contents);
    QTreeWidgetItem* AddEntry(const SitemapEntry& entry, const QUrl& contentsUrl,
                              QTreeWidgetItem* parent);
    QUrl ChooseStartPage(const Contents& contents) const;
    QUrl FirstHeldPage(const std::vector<SitemapEntry>& entries, const QUrl& contentsUrl) const;
    void OpenEntry(QTreeWidgetItem* item);
    void MarkEntry(const QUrl& page);

    std::shared_ptr<const ChmArchive> archive_;
    HelpBrowser* browser_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QAction* contentsAction_ = nullptr;
    std::map<QString, QTreeWidgetItem*> entriesByPage_;  // by lower-case path
    QUrl startPage_;
    QtSpeech speech_;
};

}  // namespace bellmora
