#pragma once

#include "session/ShellState.h"

#include <QWidget>
#include <vector>

class QLabel;
class QScrollArea;
class QStatusBar;

namespace nimbrel::app {

// Child windows place their controls at fixed positions on a canvas above a status bar.
QWidget* makeCanvas(QWidget* owner, QStatusBar** bar);
// How far the canvas is larger than the one its controls were placed for (the main window at
// its starting size): the table, preview and editor areas grow by it, the controls below
// them move down by it.
QSize canvasGrowth(const QWidget* canvas);
// A scrolling area at `geometry` whose inner widget of size `inner` holds `picture`.
QScrollArea* makeScrollArea(QWidget* parent, QRect geometry, QLabel* picture, QSize inner);

// A status bar made of fixed-width fields, as the two child windows show them.
class StatusFields {
public:
    StatusFields(QStatusBar* bar, const std::vector<int>& widths);
    void setText(int field, const QString& text);
    void setIcon(int field, session::LinkIcon icon);
    QString text(int field) const;
    QLabel* field(int i) const { return m_fields.at(i); }

private:
    std::vector<QLabel*> m_fields;
};

} // namespace nimbrel::app
