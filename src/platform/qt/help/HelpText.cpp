#include "HelpText.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <optional>

#include "HelpCharset.h"

namespace bellmora {

namespace {

QString DecodeWith(QStringDecoder decoder, QByteArrayView bytes) {
    return decoder(bytes);
}

std::optional<QString> DecodeAsDeclared(QByteArrayView bytes) {
    const std::string declared = DeclaredCharset(std::string_view(bytes.data(), bytes.size()));
    if (declared.empty()) return std::nullopt;
    QStringDecoder decoder(CodePageName(declared).c_str());
    if (!decoder.isValid()) return std::nullopt;  // a name this system cannot decode
    return DecodeWith(std::move(decoder), bytes);
}

std::optional<QString> DecodeIfUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

}  // namespace

QString DecodeHelpText(std::string_view bytes, bool isMarkup) {
    const QByteArrayView data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (const auto marked = QStringConverter::encodingForData(data)) return DecodeWith(QStringDecoder(*marked), data);
    if (isMarkup) {
        if (std::optional<QString> declared = DecodeAsDeclared(data)) return *declared;
    }
    if (std::optional<QString> utf8 = DecodeIfUtf8(data)) return *utf8;
    QStringDecoder codePage932("windows-31j");
    if (codePage932.isValid()) return DecodeWith(std::move(codePage932), data);
    return QString::fromUtf8(data);
}

}  // namespace bellmora
