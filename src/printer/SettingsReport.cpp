#include "printer/SettingsReport.h"

#include "platform/ByteReader.h"
#include "printer/SettingsFields.h"

namespace nimbrel::printer {

namespace {

// Builds the report line by line. Labels marked wide get one more tab on Windows XP, where
// the message box sets its tab stops differently.
class ReportLines {
public:
    ReportLines(const QByteArray& reply, const QString& model, int xpFlag)
        : m_reply(reply), m_xp(xpFlag == 1) {
        m_text =
            QStringLiteral("УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( ") + model + QStringLiteral(" ) :\r\n\n");
    }

    void wide(const QString& label, const QString& value,
              const QString& end = QStringLiteral("\n\r")) {
        m_text += label + (m_xp ? QStringLiteral("\t") : QString()) + value + end;
        addField(label, value + end);
    }
    void fixed(const QString& label, const QString& value,
               const QString& end = QStringLiteral("\n\r")) {
        m_text += label + value + end;
        addField(label, value + end);
    }

    int u8(int offset) const { return platform::u8At(m_reply, offset); }
    int s8(int offset) const { return platform::s8At(m_reply, offset); }
    int s16(int offset) const { return platform::s16At(m_reply, offset); }
    QString num(int value) const { return QString::number(value); }
    // Bit 1 of byte 16 clear: the printer sets the test threshold itself.
    QString autoSuffix() const { return (u8(16) & 0x02) ? QString() : QStringLiteral(" (авто)"); }

    Report report() const { return {m_text, m_fields}; }

private:
    // A heading with no value opens a group; its lines start with tabs.
    void addField(const QString& label, const QString& value) {
        QString name = label.trimmed();
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        if (value.isEmpty()) {
            m_group = name;
            return;
        }
        if (!label.startsWith(QLatin1Char('\t')))
            m_group.clear();
        else if (!m_group.isEmpty())
            name = m_group + QStringLiteral(": ") + name;
        m_fields.push_back({name, value.trimmed()});
    }

    const QByteArray& m_reply;
    bool m_xp;
    QString m_text;
    QString m_group;
    std::vector<ReportField> m_fields;
};

Report buildT7x9x(const QByteArray& reply, const QString& model, int xpFlag) {
    ReportLines r(reply, model, xpFlag);
    const bool sixHeads = model == QLatin1String("T93Z") || model == QLatin1String("T95Z");
    const int listCount = sixHeads ? 6 : 5;
    const QString msec = QStringLiteral(" мсек\n\r");

    r.wide(QStringLiteral("Интервал Автопечати по времени, мс\t"), r.num(r.s16(1) * 10));
    r.wide(QStringLiteral("Коррекция заряда рабочих капель\t"), r.num(r.u8(4)));
    r.fixed(QStringLiteral("Задержка старта печати, мс\t\t"), r.num(r.s16(5)));
    r.wide(QStringLiteral("Задержка старта печати, импульсов\t"), r.num(r.s16(7)));
    r.wide(QStringLiteral("Частота каплеобразования\t\t"), dropFrequencyText(r.s8(9), 125));
    r.fixed(QStringLiteral("Уставки групповой печати:\n\r"), QString(), QString());
    r.fixed(QStringLiteral("\t\tрежим печати\t"), groupPrintText(r.u8(11)), QString());
    r.fixed(QStringLiteral("\t\tчисло марок\t"), r.num(r.u8(12)));
    r.fixed(QStringLiteral("\t\tзадержка старта\t"), r.num(r.u8(13) * 10), msec);
    r.fixed(QStringLiteral("\t\tинтервал марок\t"), r.num(r.u8(14) * 10), msec);
    r.fixed(QStringLiteral("Вертикальный размер Марки:\t\t"), slashList(reply, 15, listCount));
    r.wide(QStringLiteral("Замедление скорости печати (грубо)\t"), r.num(r.u8(23)));
    r.wide(QStringLiteral("'Бегущей номер' (направление)\t"), directionText(r.s8(28)));
    r.wide(QStringLiteral("Заряд тестовых капель\t\t"), r.num(r.u8(30)));
    r.wide(QStringLiteral("Число защитных капель\t\t"), r.num(r.u8(31)));
    r.wide(QStringLiteral("Число строк печати (х8, точек)\t"), r.num(r.u8(33)));
    r.wide(QStringLiteral("Порог тестирования фазы заряда\t"), r.num(r.u8(35)) + r.autoSuffix());
    r.fixed(QStringLiteral("Напряжение Генератора Капель:\t"), slashList(reply, 41, listCount));
    r.wide(QStringLiteral("Замедление скорости печати (точно)\t"), r.num(r.s16(47)));
    r.wide(QStringLiteral("Уменьшение Y-шага между каплями\t"), r.num(r.u8(49)));
    r.fixed(QStringLiteral("Порог видимости Марки:\t\t"), slashList(reply, 51, listCount));
    r.fixed(QStringLiteral("Частота ВВ-преобразователя\t\t"),
            converterFrequencyText(r.u8(57), SettingsLayout::T7x9x));
    r.wide(QStringLiteral("Раздвижка строк 1-2\t\t"), r.num(r.u8(61)));
    if (model == QLatin1String("T75Z")) {
        r.wide(QStringLiteral("Раздвижка строк 2-3\t\t"), r.num(r.u8(62)));
        r.wide(QStringLiteral("Раздвижка строк 3-4\t\t"), r.num(r.u8(63)));
    }
    r.wide(QStringLiteral("Смещение Даты, дней\t\t"), dateOffsetText(reply, 65));
    r.wide(QStringLiteral("Номер печатной марки\t\t"), r.num(r.u8(69)));
    r.wide(QStringLiteral("Режим скорости печати (опция*)\t"), speedModeText(r.u8(70), model));
    r.wide(QStringLiteral("Интервал Автопечати, импульсов\t"), r.num(r.s16(71)), QString());
    return r.report();
}

Report buildT2x(const QByteArray& reply, const QString& model, int xpFlag) {
    ReportLines r(reply, model, xpFlag);

    r.wide(QStringLiteral("Интервал Автопечати по времени, мс\t"), r.num(r.s16(1) * 10));
    r.wide(QStringLiteral("Коррекция заряда рабочих капель\t"), r.num(r.u8(4)));
    r.fixed(QStringLiteral("Задержка старта печати, мс\t\t"), r.num(r.s16(5)));
    r.wide(QStringLiteral("Задержка старта печати, импульсов\t"), r.num(r.s16(7)));
    r.wide(QStringLiteral("Частота каплеобразования\t\t"), dropFrequencyText(r.s8(9), 80));
    r.fixed(QStringLiteral("Вертикальный размер Марки\t\t"), r.num(r.u8(11)));
    r.wide(QStringLiteral("Замедление скорости печати (грубо)\t"), r.num(r.u8(14)));
    r.wide(QStringLiteral("Интервал Автопечати (тахоимпульсы)\t"), r.num(r.s16(15) * 15));
    r.wide(QStringLiteral("'Бегущей номер' (направление, шаг)\t"), directionText(r.s8(17)));
    r.wide(QStringLiteral("Коррекция заряда пустых капель\t"), r.num(r.u8(18)));
    r.wide(QStringLiteral("Заряд тестовых капель\t\t"), r.num(r.u8(19)));
    r.wide(QStringLiteral("Число защитных капель\t\t"), r.num(r.u8(20)));
    r.wide(QStringLiteral("Число строк печати (х8, точек)\t"), r.num(r.u8(22)));
    r.wide(QStringLiteral("Порог тестирования фазы заряда\t"), r.num(r.u8(23)) + r.autoSuffix());
    r.wide(QStringLiteral("Напряжение Генератора Капель\t"), r.num(r.u8(24)));
    r.wide(QStringLiteral("Замедление скорости печати (точно)\t"), r.num(r.s16(25)));
    r.wide(QStringLiteral("Уменьшение Y-шага между каплями\t"), r.num(r.u8(28)));
    r.wide(QStringLiteral("Порог видимости Марки\t\t"), r.num(r.u8(29)));
    r.fixed(QStringLiteral("Частота ВВ-преобразователя\t\t"),
            converterFrequencyText(r.u8(31), SettingsLayout::T2x));
    r.wide(QStringLiteral("Раздвижка строк 1-2\t\t"), r.num(r.u8(35)));
    if (model == QLatin1String("T260")) {
        r.wide(QStringLiteral("Раздвижка строк 2-3\t\t"), r.num(r.u8(36)));
        r.wide(QStringLiteral("Раздвижка строк 3-4\t\t"), r.num(r.u8(37)));
    }
    r.wide(QStringLiteral("Смещение Даты, дней\t\t"), dateOffsetText(reply, 39));
    r.wide(QStringLiteral("Номер печатной марки\t\t"), r.num(r.u8(43)));
    r.wide(QStringLiteral("Режим скорости печати (опция*)\t"), speedModeText(r.u8(44), model));
    r.wide(QStringLiteral("Интервал Автопечати, импульсов\t"), r.num(r.s16(45)), QString());
    return r.report();
}

} // namespace

Report settingsReport(const QByteArray& reply, const QString& model, int xpFlag) {
    if (settingsLayoutFor(model) == SettingsLayout::T2x)
        return buildT2x(reply, model, xpFlag);
    return buildT7x9x(reply, model, xpFlag);
}

QString buildSettingsReport(const QByteArray& reply, const QString& model, int xpFlag) {
    return settingsReport(reply, model, xpFlag).text;
}

} // namespace nimbrel::printer
