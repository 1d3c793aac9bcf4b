// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtTextFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <optional>
#include <string>

namespace bellmora {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// An open file descriptor, closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, so that a failing close can be reported.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The name as the file system spells it; nothing for a name no file can have.
std::optional<QByteArray> Path(const std::u16string& name) {
    if (name.empty() || name.find(u'\0') != std::u16string::npos) return std::nullopt;
    return QFile::encodeName(QString::fromStdU16String(name));
}

int OpenRetrying(const QByteArray& path, int flags) {
    int fd;
    do fd = ::open(path.constData(), flags | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Bytes from offset into buffer; the count read, 0 at the end, -1 on a read error.
ssize_t ReadAt(int fd, char* buffer, std::size_t size, off_t offset) {
    ssize_t n;
    do n = ::pread(fd, buffer, size, offset);
    while (n < 0 && errno == EINTR);
    return n;
}

// The file's bytes, as many as it held when opened; nothing on a read error.
std::optional<QByteArray> ReadAll(int fd, off_t size) {
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n =
            ReadAt(fd, bytes.data() + got, static_cast<std::size_t>(bytes.size() - got),
                   static_cast<off_t>(got));
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

// The whole text in one decode. A file cut short inside a character leaves that
// character's bytes held in the decoder, waiting for the rest: a line end after them
// brings them out, and the character counts as one that is no character.
TextFileContent Decode(QStringDecoder decoder, QByteArrayView bytes) {
    if (!decoder.isValid()) return {ReadStatus::Unreadable, {}};
    QString text = decoder.decode(bytes);
    const bool cutShort = QString(decoder.decode(QByteArrayView("\n"))) != QStringLiteral("\n");
    if (cutShort) text += QChar::ReplacementCharacter;
    const bool bad = cutShort || decoder.hasError();
    return {bad ? ReadStatus::BadCharacters : ReadStatus::Ok, text.toStdU16String()};
}

}  // namespace

TextFileContent QtTextFiles::ReadText(const std::u16string& name) {
    const auto path = Path(name);
    if (!path) return {ReadStatus::Unreadable, {}};
    // Only a plain file is a text: not a folder, and no FIFO whose reading would block.
    Fd fd(OpenRetrying(*path, O_RDONLY | O_NONBLOCK));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {ReadStatus::Unreadable, {}};
    const std::optional<QByteArray> read = ReadAll(fd.get(), info.st_size);
    if (!read) return {ReadStatus::Unreadable, {}};

    QByteArrayView bytes(*read);
    // Old DOS and Windows editors end a file with 0x1A. The byte is a character of its own in
    // both encodings (never the second byte of a code page 932 pair).
    if (bytes.endsWith('\x1A')) bytes.chop(1);
    if (bytes.startsWith(kUtf8Bom))
        return Decode(
            QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom),
            bytes.sliced(static_cast<qsizetype>(kUtf8Bom.size())));
    TextFileContent utf8 = Decode(
        QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom), bytes);
    if (utf8.status == ReadStatus::Ok) return utf8;
    // ICU's table for this name is Microsoft's: 0x8160 is U+FF5E, 0x5C stays a backslash.
    return Decode(QStringDecoder("windows-31j"), bytes);
}

namespace {

// True for an empty file too: nothing to end.
bool EndsWithLineEnd(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size == 0) return true;
    char last = 0;
    if (ReadAt(fd, &last, 1, info.st_size - 1) != 1) return true;
    return last == '\n' || last == '\r';
}

}  // namespace

bool QtTextFiles::Append(const std::u16string& name, std::string_view bytes) {
    const auto path = Path(name);
    if (!path) return false;
    Fd fd(OpenRetrying(*path, O_RDWR | O_APPEND | O_CREAT));
    if (fd.get() < 0) return false;
    // A file whose last line has no line end (edited by hand, or cut short) would run the
    // new line into it, and neither would read back: start a new line first.
    std::string line;
    if (!EndsWithLineEnd(fd.get())) line = "\r\n";
    line.append(bytes);
    // One write, so a record line is never interleaved or left half written unnoticed.
    ssize_t written;
    do written = ::write(fd.get(), line.data(), line.size());
    while (written < 0 && errno == EINTR);
    if (written < 0 || static_cast<std::size_t>(written) != line.size()) return false;
    if (::fsync(fd.get()) != 0) return false;
    return fd.Close();
}

bool QtTextFiles::Remove(const std::u16string& name) {
    const auto path = Path(name);
    if (!path) return false;
    return ::unlink(path->constData()) == 0 || errno == ENOENT;
}

namespace {

// Code page 932 when the text comes back from it unchanged, UTF-8 otherwise.
QByteArray Encoded(const QString& text) {
    QStringEncoder encoder("windows-31j");
    if (encoder.isValid()) {
        QByteArray bytes = encoder(text);
        QStringDecoder decoder("windows-31j");
        if (!encoder.hasError() && QString(decoder(bytes)) == text) return bytes;
    }
    return text.toUtf8();
}

}  // namespace

bool QtTextFiles::WriteText(const std::u16string& name, const std::u16string& text) {
    const auto path = Path(name);
    if (!path) return false;
    const QByteArray bytes = Encoded(QString::fromStdU16String(text));
    Fd fd(OpenRetrying(*path, O_WRONLY | O_TRUNC | O_CREAT));
    if (fd.get() < 0) return false;
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd.get(), bytes.constData() + done,
                                  static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    if (::fsync(fd.get()) != 0) return false;
    return fd.Close();
}

bool QtTextFiles::Truncate(const std::u16string& name) {
    const auto path = Path(name);
    if (!path) return false;
    Fd fd(OpenRetrying(*path, O_WRONLY | O_TRUNC | O_CREAT));
    if (fd.get() < 0) return false;
    if (::fsync(fd.get()) != 0) return false;
    return fd.Close();
}

}  // namespace bellmora
