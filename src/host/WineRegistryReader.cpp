#include "host/WineRegistryReader.h"

#include "base/TextFile.h"
#include "base/Utf.h"
#include "host/HostPaths.h"

#include <cstdlib>
#include <string_view>

namespace fs = std::filesystem;

namespace {

char16_t FoldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

int DigitValue(char16_t c, int base) {
    int value = 99;
    if (c >= u'0' && c <= u'9') {
        value = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
        value = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        value = c - u'A' + 10;
    }
    return value < base ? value : -1;
}

// Decodes a quoted name or text from `pos` up to the unescaped `terminator`, escapes
// taken left to right as the registry file writes them. Leaves `pos` behind the
// terminator; nothing when the line ends first.
std::optional<std::u16string> DecodeQuoted(std::u16string_view line, std::size_t& pos,
                                           char16_t terminator) {
    std::u16string text;
    while (pos < line.size()) {
        const char16_t c = line[pos++];
        if (c == terminator) {
            return text;
        }
        if (c != u'\\' || pos >= line.size()) {
            text += c;
            continue;
        }
        const char16_t e = line[pos++];
        switch (e) {
        case u'a':
            text += u'\a';
            break;
        case u'b':
            text += u'\b';
            break;
        case u'e':
            text += char16_t{27};
            break;
        case u'f':
            text += u'\f';
            break;
        case u'n':
            text += u'\n';
            break;
        case u'r':
            text += u'\r';
            break;
        case u't':
            text += u'\t';
            break;
        case u'v':
            text += u'\v';
            break;
        case u'x': {
            // One UTF-16 unit in up to four hex digits.
            unsigned value = 0;
            int digits = 0;
            while (digits < 4 && pos < line.size() && DigitValue(line[pos], 16) >= 0) {
                value = value * 16 + static_cast<unsigned>(DigitValue(line[pos++], 16));
                ++digits;
            }
            text += digits == 0 ? u'x' : static_cast<char16_t>(value);
            break;
        }
        default:
            if (DigitValue(e, 8) >= 0) {
                unsigned value = static_cast<unsigned>(DigitValue(e, 8));
                for (int digits = 1;
                     digits < 3 && pos < line.size() && DigitValue(line[pos], 8) >= 0; ++digits) {
                    value = value * 8 + static_cast<unsigned>(DigitValue(line[pos++], 8));
                }
                text += static_cast<char16_t>(value);
            } else {
                text += e; // \\, \" and any other character stand for themselves
            }
        }
    }
    return std::nullopt;
}

// "hex(n):" data as UTF-16 little-endian text, up to its first NUL.
std::u16string DecodeHexText(std::u16string_view data) {
    std::u16string text;
    int nibbles = 0;
    unsigned byte = 0;
    std::string bytes;
    for (const char16_t c : data) {
        const int digit = DigitValue(c, 16);
        if (digit < 0) {
            continue; // commas, continuation backslashes and line breaks
        }
        byte = byte * 16 + static_cast<unsigned>(digit);
        if (++nibbles == 2) {
            bytes += static_cast<char>(byte);
            nibbles = 0;
            byte = 0;
        }
    }
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (unit == 0) {
            break;
        }
        text += unit;
    }
    return text;
}

// The value's text after "=", or a RegistryError when it is not of a text type.
std::u16string DecodeValue(std::u16string_view value, const std::string& valueName) {
    std::size_t pos = 0;
    if (value.starts_with(u"\"")) {
        pos = 1;
    } else if (value.starts_with(u"str(1):\"") || value.starts_with(u"str(2):\"")) {
        pos = 8;
    } else if (value.starts_with(u"hex(1):") || value.starts_with(u"hex(2):")) {
        return DecodeHexText(value.substr(7));
    } else {
        throw RegistryError(InvalidDataTypeMessage(valueName));
    }
    return DecodeQuoted(value, pos, u'"').value_or(std::u16string());
}

std::u16string_view TrimLeft(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) {
        text.remove_prefix(1);
    }
    return text;
}

std::u16string KeyPathInView(RegistryView view, const std::string& keyPath) {
    std::u16string path = Utf8ToUtf16(keyPath);
    // A 32-bit program's view of SOFTWARE lives under Wow6432Node.
    constexpr std::u16string_view Software = u"software\\";
    if (view == RegistryView::Bits32 && SameName(path.substr(0, Software.size()), Software)) {
        path.insert(Software.size(), u"Wow6432Node\\");
    }
    return path;
}

} // namespace

WineRegistryReader::WineRegistryReader(fs::path prefix) : prefix_(std::move(prefix)) {}

WineRegistryReader::WineRegistryReader(fs::path prefix, std::string registryText)
    : prefix_(std::move(prefix)), text_(std::move(registryText)) {}

fs::path WineRegistryReader::DefaultPrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) {
        return prefix;
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return fs::path(home) / ".wine";
    }
    return {};
}

const std::string& WineRegistryReader::RegistryText() {
    if (!text_) {
        text_.emplace();
        const fs::path file = prefix_ / "system.reg";
        if (!prefix_.empty() && IsRegularFile(file)) {
            try {
                text_ = ReadFileBytes(file);
            } catch (const FileError&) {
                // A registry that cannot be read holds no entries, as on Windows.
            }
        }
    }
    return *text_;
}

std::optional<std::u16string> WineRegistryReader::ReadString(RegistryView view,
                                                             const std::string& keyPath,
                                                             const std::string& valueName) {
    const std::u16string wantedKey = KeyPathInView(view, keyPath);
    const std::u16string wantedValue = Utf8ToUtf16(valueName);
    const std::string& text = RegistryText();

    bool inKey = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        // Hex data goes on over lines that end with a backslash.
        while (end < text.size() && end > start && text[end - 1] == '\\') {
            const std::size_t next = text.find('\n', end + 1);
            end = next == std::string::npos ? text.size() : next;
        }
        const std::u16string line = Utf8ToUtf16(std::string_view(text).substr(start, end - start));
        start = end + 1;

        const std::u16string_view trimmed = TrimLeft(line);
        if (trimmed.starts_with(u"[")) {
            if (inKey) {
                return std::nullopt; // the key was there, the value was not
            }
            std::size_t pos = 1;
            const std::optional<std::u16string> key = DecodeQuoted(trimmed, pos, u']');
            inKey = key && SameName(*key, wantedKey);
        } else if (inKey && trimmed.starts_with(u"\"")) {
            std::size_t pos = 1;
            const std::optional<std::u16string> name = DecodeQuoted(trimmed, pos, u'"');
            if (name && SameName(*name, wantedValue) && pos < trimmed.size() &&
                trimmed[pos] == u'=') {
                return DecodeValue(trimmed.substr(pos + 1), valueName);
            }
        }
    }
    return std::nullopt;
}

fs::path WineRegistryReader::NativeDirectory(const std::u16string& windowsDirectory) {
    if (prefix_.empty() || windowsDirectory.size() < 2 || windowsDirectory[1] != u':' ||
        FoldAscii(windowsDirectory[0]) < u'a' || FoldAscii(windowsDirectory[0]) > u'z') {
        return {};
    }
    const std::string drive{static_cast<char>(FoldAscii(windowsDirectory[0])), ':'};
    fs::path root = prefix_ / "dosdevices" / drive;
    std::error_code ec;
    if (!fs::exists(root, ec)) {
        if (drive != "c:") {
            return {};
        }
        root = prefix_ / "drive_c"; // a prefix without drive links still has its C: drive
    }
    const fs::path directory =
        fs::absolute(AppendMatchingComponents(root, Utf16ToUtf8(windowsDirectory.substr(2))), ec);
    // Through the drive link to the folder the host really uses, where it exists.
    fs::path canonical = fs::weakly_canonical(directory, ec);
    return ec ? directory : canonical;
}
