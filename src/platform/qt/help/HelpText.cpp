// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpText.h"

#include <QByteArrayView>
#include <QStringDecoder>

namespace bellmora {

QString DecodeHelpText(std::string_view bytes, bool isMarkup) {
    const QByteArrayView data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (const auto marked = QStringConverter::encodingForData(data))
        return QStringDecoder(*marked)(data);
    // Qt reads the declaration (and knows Shift-JIS as the Windows code page 932); it
    // answers UTF-8 both for a page that declares it and for one that declares nothing,
    // so that case is left to the test below.
    if (isMarkup) {
        QStringDecoder declared = QStringDecoder::decoderForHtml(data);
        if (declared.isValid() && declared.name() != QByteArrayView("UTF-8")) return declared(data);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(data);
    if (!utf8.hasError()) return text;
    QStringDecoder codePage932("windows-31j");
    return codePage932.isValid() ? codePage932(data) : text;
}

}  // namespace bellmora
