#include "QtTextFiles.h"

#include <QFile>
#include <QString>

namespace bellmora {

TextFileContent QtTextFiles::ReadText(const std::u16string& name) {
    QFile file(QString::fromStdU16String(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return {ReadStatus::Ok, QString::fromUtf8(file.readAll()).toStdU16String()};
}

bool QtTextFiles::Append(const std::u16string& name, std::string_view bytes) {
    QFile file(QString::fromStdU16String(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(bytes.data(), size) == size && file.flush();
}

bool QtTextFiles::Truncate(const std::u16string& name) {
    QFile file(QString::fromStdU16String(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

}  // namespace bellmora
