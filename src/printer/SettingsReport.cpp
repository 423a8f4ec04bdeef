#include "printer/SettingsReport.h"

#include "platform/ByteReader.h"
#include "printer/SettingsFields.h"

#include <QCoreApplication>

namespace nimbrel::printer {

namespace {

using platform::Wording;

// Builds the report line by line, in one wording. Labels marked wide get one more tab on
// Windows XP, where the message box sets its tab stops differently.
class ReportLines {
public:
    ReportLines(const QByteArray& reply, const QString& model, int xpFlag, Wording wording)
        : m_reply(reply), m_xp(xpFlag == 1), m_wording(wording) {
        m_text = say(QT_TRANSLATE_NOOP("SettingsReport", "УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( %1 ) :\r\n\n"))
                     .arg(model);
    }

    Wording wording() const { return m_wording; }
    QString say(const char* source) const {
        return platform::worded(m_wording, "SettingsReport", source);
    }

    // `label` is marked with QT_TRANSLATE_NOOP("SettingsReport", ...).
    void wide(const char* label, const QString& value,
              const QString& end = QStringLiteral("\n\r")) {
        const QString worded = say(label);
        m_text += worded + (m_xp ? QStringLiteral("\t") : QString()) + value + end;
        addField(worded, value + end);
    }
    void fixed(const char* label, const QString& value,
               const QString& end = QStringLiteral("\n\r")) {
        const QString worded = say(label);
        m_text += worded + value + end;
        addField(worded, value + end);
    }

    int u8(int offset) const { return platform::u8At(m_reply, offset); }
    int s8(int offset) const { return platform::s8At(m_reply, offset); }
    int s16(int offset) const { return platform::s16At(m_reply, offset); }
    QString num(int value) const { return QString::number(value); }
    // Bit 1 of byte 16 clear: the printer sets the test threshold itself.
    QString autoSuffix() const {
        return (u8(16) & 0x02) ? QString() : say(QT_TRANSLATE_NOOP("SettingsReport", " (авто)"));
    }

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
    Wording m_wording;
    QString m_text;
    QString m_group;
    std::vector<ReportField> m_fields;
};

// The lines both layouts end with, from the converter frequency at `at` on: the spacing of
// lines 1-2 (with 2-3 and 3-4 on `fourLines`, the model of the layout that prints four), the
// date offset, the mark printed, the speed mode and the autoprint interval in pulses.
Report closingLines(ReportLines& r, const QByteArray& reply, const QString& model, int at,
                    SettingsLayout layout, QLatin1String fourLines) {
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "Частота ВВ-преобразователя\t\t"),
            converterFrequencyText(r.u8(at), layout, r.wording()));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Раздвижка строк 1-2\t\t"), r.num(r.u8(at + 4)));
    if (model == fourLines) {
        r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Раздвижка строк 2-3\t\t"), r.num(r.u8(at + 5)));
        r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Раздвижка строк 3-4\t\t"), r.num(r.u8(at + 6)));
    }
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Смещение Даты, дней\t\t"),
           dateOffsetText(reply, at + 8));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Номер печатной марки\t\t"), r.num(r.u8(at + 12)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Режим скорости печати (опция*)\t"),
           speedModeText(r.u8(at + 13), model, r.wording()));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Интервал Автопечати, импульсов\t"),
           r.num(r.s16(at + 14)), QString());
    return r.report();
}

Report buildT7x9x(const QByteArray& reply, const QString& model, int xpFlag, Wording wording) {
    ReportLines r(reply, model, xpFlag, wording);
    const bool sixHeads = model == QLatin1String("T93Z") || model == QLatin1String("T95Z");
    const int listCount = sixHeads ? 6 : 5;
    const QString msec = r.say(QT_TRANSLATE_NOOP("SettingsReport", " мсек\n\r"));

    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Интервал Автопечати по времени, мс\t"),
           r.num(r.s16(1) * 10));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Коррекция заряда рабочих капель\t"),
           r.num(r.u8(4)));
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "Задержка старта печати, мс\t\t"), r.num(r.s16(5)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Задержка старта печати, импульсов\t"),
           r.num(r.s16(7)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Частота каплеобразования\t\t"),
           dropFrequencyText(r.s8(9), 125, wording));
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "Уставки групповой печати:\n\r"), QString(),
            QString());
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "\t\tрежим печати\t"),
            groupPrintText(r.u8(11), wording), QString());
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "\t\tчисло марок\t"), r.num(r.u8(12)));
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "\t\tзадержка старта\t"), r.num(r.u8(13) * 10),
            msec);
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "\t\tинтервал марок\t"), r.num(r.u8(14) * 10),
            msec);
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "Вертикальный размер Марки:\t\t"),
            slashList(reply, 15, listCount));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Замедление скорости печати (грубо)\t"),
           r.num(r.u8(23)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "'Бегущей номер' (направление)\t"),
           directionText(r.s8(28)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Заряд тестовых капель\t\t"), r.num(r.u8(30)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Число защитных капель\t\t"), r.num(r.u8(31)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Число строк печати (х8, точек)\t"),
           r.num(r.u8(33)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Порог тестирования фазы заряда\t"),
           r.num(r.u8(35)) + r.autoSuffix());
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "Напряжение Генератора Капель:\t"),
            slashList(reply, 41, listCount));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Замедление скорости печати (точно)\t"),
           r.num(r.s16(47)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Уменьшение Y-шага между каплями\t"),
           r.num(r.u8(49)));
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "Порог видимости Марки:\t\t"),
            slashList(reply, 51, listCount));
    return closingLines(r, reply, model, 57, SettingsLayout::T7x9x, QLatin1String("T75Z"));
}

Report buildT2x(const QByteArray& reply, const QString& model, int xpFlag, Wording wording) {
    ReportLines r(reply, model, xpFlag, wording);

    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Интервал Автопечати по времени, мс\t"),
           r.num(r.s16(1) * 10));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Коррекция заряда рабочих капель\t"),
           r.num(r.u8(4)));
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "Задержка старта печати, мс\t\t"), r.num(r.s16(5)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Задержка старта печати, импульсов\t"),
           r.num(r.s16(7)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Частота каплеобразования\t\t"),
           dropFrequencyText(r.s8(9), 80, wording));
    r.fixed(QT_TRANSLATE_NOOP("SettingsReport", "Вертикальный размер Марки\t\t"), r.num(r.u8(11)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Замедление скорости печати (грубо)\t"),
           r.num(r.u8(14)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Интервал Автопечати (тахоимпульсы)\t"),
           r.num(r.s16(15) * 15));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "'Бегущей номер' (направление, шаг)\t"),
           directionText(r.s8(17)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Коррекция заряда пустых капель\t"),
           r.num(r.u8(18)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Заряд тестовых капель\t\t"), r.num(r.u8(19)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Число защитных капель\t\t"), r.num(r.u8(20)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Число строк печати (х8, точек)\t"),
           r.num(r.u8(22)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Порог тестирования фазы заряда\t"),
           r.num(r.u8(23)) + r.autoSuffix());
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Напряжение Генератора Капель\t"), r.num(r.u8(24)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Замедление скорости печати (точно)\t"),
           r.num(r.s16(25)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Уменьшение Y-шага между каплями\t"),
           r.num(r.u8(28)));
    r.wide(QT_TRANSLATE_NOOP("SettingsReport", "Порог видимости Марки\t\t"), r.num(r.u8(29)));
    return closingLines(r, reply, model, 31, SettingsLayout::T2x, QLatin1String("T260"));
}

} // namespace

Report settingsReport(const QByteArray& reply, const QString& model, int xpFlag) {
    const auto build = settingsLayoutFor(model) == SettingsLayout::T2x ? buildT2x : buildT7x9x;
    // The text is shown; the fields, which scripts read, keep the source wording.
    Report report = build(reply, model, xpFlag, Wording::Shown);
    report.fields = build(reply, model, xpFlag, Wording::Source).fields;
    return report;
}

QString buildSettingsReport(const QByteArray& reply, const QString& model, int xpFlag) {
    const auto build = settingsLayoutFor(model) == SettingsLayout::T2x ? buildT2x : buildT7x9x;
    return build(reply, model, xpFlag, Wording::Shown).text;
}

} // namespace nimbrel::printer
