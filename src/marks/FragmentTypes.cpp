#include "marks/FragmentTypes.h"

#include "platform/Cp1251.h"
#include "platform/NumberText.h"

#include <QCoreApplication>

#include <array>

namespace nimbrel::marks {

namespace {

struct TypeEntry {
    const char* name;
    unsigned char code;
};

constexpr std::array<TypeEntry, 6> kTypes = {{
    {QT_TRANSLATE_NOOP("FragmentTypes", "Текст"), 0x18},
    {QT_TRANSLATE_NOOP("FragmentTypes", "Номер"), 0x19},
    {QT_TRANSLATE_NOOP("FragmentTypes", "Дата/Время"), 0x1A},
    {QT_TRANSLATE_NOOP("FragmentTypes", "Графика"), 0x1C},
    {QT_TRANSLATE_NOOP("FragmentTypes", "ПостДата"), 0x1D},
    {QT_TRANSLATE_NOOP("FragmentTypes", "ШтрихКод EAN"), 0x10},
}};

constexpr unsigned char kTextCode = 0x18;

} // namespace

QString positionLabel(int row) {
    return QString::number(lineOfRow(row)) + QString::number(fragmentOfRow(row));
}

const QStringList& typeNames() {
    static const QStringList names = [] {
        QStringList out;
        for (const auto& t : kTypes)
            out << QString::fromUtf8(t.name);
        return out;
    }();
    return names;
}

unsigned char typeCode(const QString& name) {
    const qsizetype i = typeNames().indexOf(name);
    return i < 0 ? kTextCode : kTypes[static_cast<std::size_t>(i)].code;
}

QString typeName(unsigned char code) {
    for (const auto& t : kTypes)
        if (code == t.code)
            return QString::fromUtf8(t.name);
    return {};
}

QString shownTypeName(const QString& name) {
    const qsizetype i = typeNames().indexOf(name);
    if (i < 0)
        return name;
    return QCoreApplication::translate("FragmentTypes", kTypes[static_cast<std::size_t>(i)].name);
}

QStringList shownTypeNames() {
    QStringList out;
    for (const auto& t : kTypes)
        out << QCoreApplication::translate("FragmentTypes", t.name);
    return out;
}

int fontNumber(const QString& fontText) {
    return static_cast<int>(platform::parseWholeNumber(fontText.right(2)));
}

QString fontText(const QString& number) {
    return QCoreApplication::translate("FragmentTypes", "Шрифт#%1").arg(number);
}

QString freeCountText(qsizetype length) {
    return QString::number(kMaxFragmentText - length);
}

bool isFragmentCharacter(char32_t c) {
    if (c < 0x20 || c == 0x7F)
        return false;
    if (c == U'?')
        return true;
    const QString one = QString::fromUcs4(&c, 1);
    return platform::encodeCp1251(one) != QByteArrayLiteral("?");
}

QString keepFragmentCharacters(const QString& text, QString* refused) {
    QString kept;
    kept.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        if (isFragmentCharacter(c))
            kept += QString::fromUcs4(&c, 1);
        else if (refused)
            *refused += QString::fromUcs4(&c, 1);
    }
    return kept;
}

} // namespace nimbrel::marks
