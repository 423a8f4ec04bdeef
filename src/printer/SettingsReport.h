#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace nimbrel::printer {

// One line of a report as a field: its label without the tabs and colon that lay it out (a
// line of a group is named "group: line"), and its value.
struct ReportField {
    QString label;
    QString value;
    bool operator==(const ReportField&) const = default;
};

// A report as the window shows it, in the language in use, and as its fields, for a script:
// those keep the source (Russian) wording, the same whatever the language.
struct Report {
    QString text;
    std::vector<ReportField> fields;
};

// The print-system settings report for the given model, whose text chooses the layout of the
// reply and the model's extra lines. `xpFlag` 1 (Windows XP) widens most labels by one tab.
// Bytes missing from the reply read as 0.
Report settingsReport(const QByteArray& reply, const QString& model, int xpFlag);
QString buildSettingsReport(const QByteArray& reply, const QString& model, int xpFlag);

} // namespace nimbrel::printer
