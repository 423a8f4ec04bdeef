#pragma once

#include <QByteArray>
#include <QString>

namespace nimbrel::marks {

// One fragment of the mark being printed, addressed by line 1..4 and fragment 1..8.

// 0x11, line digit, fragment digit, 0x0E
QByteArray fragmentReadCommand(int line, int fragment);

// A fragment read reply: type code, font number, length (a signed byte: 128 and above is no
// text), text ending early at a 0 byte. Missing bytes read as 0.
struct FragmentReply {
    int typeCode = 0;
    int font = 0;
    QString text;
};
FragmentReply decodeFragmentReply(const QByteArray& reply);

// The report of a fragment read reply (type, font, length, text).
QString fragmentReport(int line, int fragment, const QByteArray& reply);

// What the fragment editor holds when the write is asked for.
struct FragmentEdit {
    QString position; // the selected fragment number, "11" .. "48" ("00" before any click)
    QString typeText; // the type list's text
    QString fontText; // the font list's text ("Шрифт#05")
    QString text;     // the fragment text field
};

// Type code, line digit, fragment digit, "0" + font, text, 0x0E. The text goes as the field
// holds it; the caller refuses texts longer than a fragment holds.
QByteArray fragmentWriteCommand(const FragmentEdit& edit);

// The question asked before the write.
QString fragmentWriteQuestion(const FragmentEdit& edit);

} // namespace nimbrel::marks
