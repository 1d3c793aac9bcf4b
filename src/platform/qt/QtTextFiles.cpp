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

constexpr std::size_t kChunkSize = 64 * 1024;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr char16_t kReplacement = u'\uFFFD';

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

bool StartsWithUtf8Bom(int fd) {
    char head[3];
    return ReadAt(fd, head, sizeof head, 0) == 3 && std::string_view(head, 3) == kUtf8Bom;
}

// How much of bytes ends on a character boundary, so a chunk never splits a character.
using CompletePrefix = std::size_t (*)(std::string_view bytes);

std::size_t Utf8CompletePrefix(std::string_view bytes) {
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto c = static_cast<unsigned char>(bytes[size - back]);
        if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

bool IsCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Code page 932 cannot be split from the back (trail bytes look like lead bytes), so
// scan from the front; bytes always starts on a character boundary.
std::size_t Cp932CompletePrefix(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) i += IsCp932LeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    return i > bytes.size() ? bytes.size() - 1 : bytes.size();
}

void AppendDecoded(std::u16string& out, const QString& text) {
    out.append(reinterpret_cast<const char16_t*>(text.utf16()),
               static_cast<std::size_t>(text.size()));
}

enum class Pass { Clean, BadCharacters, ReadError };

struct Decoding {
    QStringDecoder& decoder;
    CompletePrefix completePrefix;
    off_t start;          // bytes to skip (a byte-order mark)
    bool stopAtBadBytes;  // the file is only a guess in this encoding
};

// Decodes the file chunk by chunk into out, holding back a character cut by the end of
// a chunk until the next one, so memory stays at one chunk beside the text.
Pass DecodeFile(int fd, const Decoding& how, std::u16string& out) {
    std::string buffer;
    off_t offset = how.start;
    for (;;) {
        const std::size_t kept = buffer.size();
        buffer.resize(kept + kChunkSize);
        const ssize_t n = ReadAt(fd, buffer.data() + kept, kChunkSize, offset);
        if (n < 0) return Pass::ReadError;
        buffer.resize(kept + static_cast<std::size_t>(n));
        if (n == 0) break;
        offset += n;
        const std::size_t whole = how.completePrefix(buffer);
        AppendDecoded(
            out, how.decoder.decode(QByteArrayView(buffer.data(), static_cast<qsizetype>(whole))));
        if (how.stopAtBadBytes && how.decoder.hasError()) return Pass::BadCharacters;
        buffer.erase(0, whole);
    }
    if (!buffer.empty()) out.push_back(kReplacement);  // the file ends inside a character
    return buffer.empty() && !how.decoder.hasError() ? Pass::Clean : Pass::BadCharacters;
}

constexpr auto kChunkFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

Pass DecodeUtf8(int fd, bool hasBom, std::u16string& out) {
    QStringDecoder decoder(QStringConverter::Utf8, kChunkFlags);
    const off_t start = hasBom ? static_cast<off_t>(kUtf8Bom.size()) : 0;
    return DecodeFile(fd, {decoder, Utf8CompletePrefix, start, !hasBom}, out);
}

Pass DecodeCp932(int fd, std::u16string& out) {
    // ICU's table for this name is Microsoft's: 0x8160 is U+FF5E, 0x5C stays a backslash.
    QStringDecoder decoder("windows-31j", kChunkFlags);
    if (!decoder.isValid()) return Pass::ReadError;
    return DecodeFile(fd, {decoder, Cp932CompletePrefix, 0, false}, out);
}

TextFileContent Result(Pass pass, std::u16string text) {
    switch (pass) {
        case Pass::Clean:
            return {ReadStatus::Ok, std::move(text)};
        case Pass::BadCharacters:
            return {ReadStatus::BadCharacters, std::move(text)};
        case Pass::ReadError:
            break;
    }
    return {ReadStatus::Unreadable, {}};
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

    std::u16string text;
    text.reserve(static_cast<std::size_t>(info.st_size));  // never more characters than bytes
    const bool hasBom = StartsWithUtf8Bom(fd.get());
    Pass pass = DecodeUtf8(fd.get(), hasBom, text);
    if (!hasBom && pass == Pass::BadCharacters) {
        text.clear();
        pass = DecodeCp932(fd.get(), text);
    }
    // Old DOS and Windows editors end a file with 0x1A. The byte is a character of its own in
    // both encodings (never the second byte of a code page 932 pair), though ICU's code page
    // 932 table gives it as U+001C.
    char last = 0;
    if (!text.empty() && ReadAt(fd.get(), &last, 1, info.st_size - 1) == 1 && last == '\x1A')
        text.pop_back();
    return Result(pass, std::move(text));
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
