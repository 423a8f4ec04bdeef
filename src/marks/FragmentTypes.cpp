#include "marks/FragmentTypes.h"

#include "platform/Cp1251.h"
#include "platform/NumberText.h"

#include <array>

namespace nimbrel::marks {

namespace {

struct TypeEntry {
    const char16_t* name;
    unsigned char code;
};

constexpr std::array<TypeEntry, 6> kTypes = {{
    {u"Текст", 0x18},
    {u"Номер", 0x19},
    {u"Дата/Время", 0x1A},
    {u"Графика", 0x1C},
    {u"ПостДата", 0x1D},
    {u"ШтрихКод EAN", 0x10},
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
            out << QString::fromUtf16(t.name);
        return out;
    }();
    return names;
}

unsigned char typeCode(const QString& name) {
    for (const auto& t : kTypes)
        if (name == QStringView(t.name))
            return t.code;
    return kTextCode;
}

QString typeName(unsigned char code) {
    for (const auto& t : kTypes)
        if (code == t.code)
            return QString::fromUtf16(t.name);
    return {};
}

int fontNumber(const QString& fontText) {
    return static_cast<int>(platform::parseWholeNumber(fontText.right(2)));
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
