#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>

class QStringDecoder;

// Windows code pages as RTF uses them for \'xx escapes.
namespace klangtruhe::rtf {

inline constexpr int Windows1252 = 1252;

// The character a Windows-1252 byte stands for (bytes the code page leaves
// undefined keep their value, as Windows itself does).
char16_t fromWindows1252(unsigned char byte);

// The Windows-1252 byte of a character, or -1 when the code page lacks it.
int toWindows1252(char16_t character);

// The code page a font's \fcharset selects, or 0 for "the document's own".
int codePageOfCharset(int charset);

// Decodes runs of \'xx bytes of any code page the system knows; an unknown
// code page is read as Windows-1252 so no text is dropped.
class ByteDecoder
{
public:
    ByteDecoder();
    ~ByteDecoder();
    ByteDecoder(const ByteDecoder &) = delete;
    ByteDecoder &operator=(const ByteDecoder &) = delete;

    QString decode(int codePage, const QByteArray &bytes);

private:
    std::map<int, std::unique_ptr<QStringDecoder>> decoders_;
};

} // namespace klangtruhe::rtf
