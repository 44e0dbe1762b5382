#include "app/ByteText.h"

#include "document/Windows1252.h"

#include <QFile>

#include <limits>

#ifdef _WIN32
#include <windows.h>
#endif

#ifdef _WIN32

namespace {

// Round-trips bytes through the system code page, which is what the host uses.
QString FromCodePage(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
    return QString::fromStdWString(wide);
}

std::string ToCodePage(const QString& text, bool* lossy) {
    const std::wstring wide = text.toStdWString();
    if (wide.empty()) {
        return {};
    }
    BOOL usedDefault = FALSE;
    const int size =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                            static_cast<int>(wide.size()), nullptr, 0, "?", &usedDefault);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        bytes.data(), size, "?", &usedDefault);
    if (lossy) {
        *lossy = usedDefault != FALSE;
    }
    return bytes;
}

} // namespace

QString BytesToText(std::string_view bytes) {
    return FromCodePage(bytes);
}

std::string TextToBytes(const QString& text) {
    return ToCodePage(text, nullptr);
}

bool IsEncodable(const QString& text) {
    bool lossy = false;
    ToCodePage(text, &lossy);
    return !lossy;
}

#else

QString BytesToText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        text += QChar(Windows1252ToUnicode(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string TextToBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        bytes += static_cast<char>(UnicodeToWindows1252(character.unicode()).value_or('?'));
    }
    return bytes;
}

bool IsEncodable(const QString& text) {
    for (const QChar character : text) {
        if (!UnicodeToWindows1252(character.unicode())) {
            return false;
        }
    }
    return true;
}

#endif

QString PathToText(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
#endif
}

std::filesystem::path TextToPath(const QString& text) {
#ifdef _WIN32
    return std::filesystem::path(text.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(text).toStdString());
#endif
}

QValidator::State LineFieldValidator::validate(QString& input, int&) const {
    // A line break in a name would end its line in the file and break the file.
    for (const QChar character : input) {
        if (character.unicode() < 32) {
            return Invalid;
        }
    }
    return IsEncodable(input) ? Acceptable : Invalid;
}

std::string PathToUtf8(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::filesystem::path Utf8ToPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

void MakeLineField(QLineEdit* field) {
    field->setValidator(new LineFieldValidator(field));
    field->setMaxLength(std::numeric_limits<int>::max());
}
