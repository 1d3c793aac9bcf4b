// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtReadings.h"

#include <QCoreApplication>
#include <QLibrary>

namespace bellmora {

std::unique_ptr<Analyser> LoadReadingsModule() {
    using Create = Analyser* (*)();
    // Where the installed module lies, seen from the installed program; then the program's
    // library folders, its own folder (the build tree) among them.
    const QString name = QStringLiteral("/bellmora-readings");
    QStringList names = {QCoreApplication::applicationDirPath() +
                         QStringLiteral("/" BELLMORA_READINGS_FROM_PROGRAM) + name};
    for (const QString& folder : QCoreApplication::libraryPaths()) names.append(folder + name);
    for (const QString& path : names) {
        QLibrary module(path);  // never unloaded: the analysers it makes run its code
        const auto create = reinterpret_cast<Create>(module.resolve("BellmoraCreateAnalyser"));
        if (create) return std::unique_ptr<Analyser>(create());
    }
    return nullptr;
}

QtReadings::QtReadings(AnalyserFactory factory, Delivery deliver, QObject* parent)
    : QObject(parent), work_(std::make_shared<Work>()), deliver_(std::move(deliver)) {
    work_->factory = std::move(factory);
    thread_.setObjectName(QStringLiteral("readings"));
}

QtReadings::~QtReadings() {
    thread_.quit();
    thread_.wait();  // an analysis under way ends first; what it posts back is dropped with us
    delete worker_;
}

void QtReadings::Request(const std::u16string& text) {
    if (!worker_) {
        worker_ = new QObject;
        worker_->moveToThread(&thread_);
        thread_.start(QThread::LowPriority);
    }
    const unsigned id = ++work_->latest;
    QMetaObject::invokeMethod(worker_, [this, work = work_, id, text] {
        if (id != work->latest) return;  // a later text is waiting
        // Made for each text and let go after it: the dictionary's pages, some tens of
        // megabytes once a long text has touched them, stay mapped only while it works.
        // Made again, it comes from the system's file cache in well under a millisecond.
        const std::unique_ptr<Analyser> analyser = work->factory ? work->factory() : nullptr;
        auto result = std::make_shared<AnalysedText>();
        result->text = text;
        result->available = analyser != nullptr;
        if (analyser) result->morphemes = analyser->Analyse(text);
        QMetaObject::invokeMethod(this, [this, result] { deliver_(*result); });
    });
}

}  // namespace bellmora
