#pragma once

#include <QLineEdit>
#include <QString>
#include <QValidator>

#include <filesystem>
#include <string>
#include <string_view>

// The one place where the document's bytes meet the text the windows show. The bytes
// are in the host's code page (Windows-1252 off Windows, the system code page on
// Windows); every byte maps to one character and back.
QString BytesToText(std::string_view bytes);

// The bytes for `text`; a character the code page cannot hold becomes '?'.
std::string TextToBytes(const QString& text);

// Whether the code page can hold every character of `text`.
bool IsEncodable(const QString& text);

// File system paths, converted without loss.
QString PathToText(const std::filesystem::path& path);
std::filesystem::path TextToPath(const QString& text);

// Takes one line of text that the code page can hold: nothing typed or pasted is
// lost on saving, and no control character splits a line of the file.
class LineFieldValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// Makes `field` take one line as LineFieldValidator does, of any length: a long name
// that was loaded stays whole when it is edited.
void MakeLineField(QLineEdit* field);

// A path as UTF-8 text for the file-name rules of the core, and back.
std::string PathToUtf8(const std::filesystem::path& path);
std::filesystem::path Utf8ToPath(std::string_view utf8);
