#include "uikit/ByteText.h"

#ifdef _WIN32
#include "base/CodePage.h"
#else
#include "base/Windows1252.h"
#endif

#include <QFile>

#include <limits>

#ifdef _WIN32

QString BytesToText(std::string_view bytes) {
    return QString::fromStdWString(CodePageToWide(bytes));
}

std::string TextToBytes(const QString& text) {
    return WideToCodePageExactly(text.toStdWString());
}

bool IsEncodable(const QString& text) {
    bool lossy = false;
    WideToCodePageExactly(text.toStdWString(), &lossy);
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
