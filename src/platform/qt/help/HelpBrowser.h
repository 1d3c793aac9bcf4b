// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextBrowser>
#include <QUrl>

#include <memory>
#include <string>

#include "ChmArchive.h"

namespace bellmora {

// The page view of the help window: serves pages, pictures and stylesheets from the open
// help file and follows its links. Pages are addressed as chm:/path/inside/the/file.
class HelpBrowser final : public QTextBrowser {
    Q_OBJECT

public:
    HelpBrowser(std::shared_ptr<const ChmArchive> archive, QWidget* parent);

    // The address of an object of the help file; relative paths count from its top.
    static QUrl PageUrl(const QString& pathInFile);

    // Whether the help file holds the page at that address.
    bool HasPage(const QUrl& url) const;

    QVariant loadResource(int type, const QUrl& name) override;

signals:
    // Tab or Shift+Tab has come to a link; its text.
    void linkReached(const QString& text);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    const std::string* Find(const QUrl& url) const;
    void FollowLink(const QUrl& link);

    std::shared_ptr<const ChmArchive> archive_;
};

}  // namespace bellmora
