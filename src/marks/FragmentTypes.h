#pragma once

#include <QString>
#include <QStringList>

namespace nimbrel::marks {

// A mark has 4 lines of 8 fragments; the table holds one row per fragment, line by line.
inline constexpr int kLines = 4;
inline constexpr int kFragmentsPerLine = 8;
inline constexpr int kRows = kLines * kFragmentsPerLine;
// The most characters one fragment record holds.
inline constexpr int kMaxFragmentText = 44;

// Table row of line 1..4, fragment 1..8.
constexpr int rowOf(int line, int fragment) {
    return (line - 1) * kFragmentsPerLine + (fragment - 1);
}
constexpr int lineOfRow(int row) {
    return row / kFragmentsPerLine + 1;
}
constexpr int fragmentOfRow(int row) {
    return row % kFragmentsPerLine + 1;
}

// "11" .. "48"
QString positionLabel(int row);

// The six type names in the order of the type list: "Текст", "Номер", ... These are the
// names the table and the editor keep, in every language; only their display is translated.
const QStringList& typeNames();
// Exact match against the six names; anything else is fixed text (0x18).
unsigned char typeCode(const QString& name);
// The name of one of the six codes, or the empty text for any other.
QString typeName(unsigned char code);
// A kept name as shown, in the language in use ("Text" for "Текст"); any other text as it is.
QString shownTypeName(const QString& name);
// The six names as shown, in the order of typeNames().
QStringList shownTypeNames();

// The whole number in the last two characters of a font cell (" 02", " #02", " 017") or of
// the font list's text ("Шрифт#05").
int fontNumber(const QString& fontText);
// The font list's text for a font number as written ("05" -> "Шрифт#05"), as shown.
QString fontText(const QString& number);

// The free-characters column for a text of `length` characters.
QString freeCountText(qsizetype length);

// Whether a fragment text may hold the character: it must have a Windows-1251 byte, and
// control characters would break the file lines and the command framing.
bool isFragmentCharacter(char32_t c);
// `text` without the characters a fragment cannot hold; those go to `refused` (if given).
QString keepFragmentCharacters(const QString& text, QString* refused = nullptr);

} // namespace nimbrel::marks
