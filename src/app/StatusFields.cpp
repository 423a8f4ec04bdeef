#include "app/StatusFields.h"

#include "app/Icons.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace nimbrel::app {

// Controls sit at fixed positions on a canvas above the status bar.
QWidget* makeCanvas(QWidget* owner, QStatusBar** bar) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* canvas = new QWidget(owner);
    layout->addWidget(canvas, 1);
    *bar = new QStatusBar(owner);
    (*bar)->setSizeGripEnabled(false);
    layout->addWidget(*bar);
    return canvas;
}

QSize canvasGrowth(const QWidget* canvas) {
    // The canvas of either child window, maximised in the main window at 800x600.
    constexpr int kPlacedForWidth = 800;
    constexpr int kPlacedForHeight = 550;
    return {std::max(0, canvas->width() - kPlacedForWidth),
            std::max(0, canvas->height() - kPlacedForHeight)};
}

QScrollArea* makeScrollArea(QWidget* parent, QRect geometry, QLabel* picture, QSize inner) {
    auto* area = new QScrollArea(parent);
    area->setGeometry(geometry);
    auto* innerWidget = new QWidget;
    innerWidget->setFixedSize(inner);
    innerWidget->setAutoFillBackground(true);
    picture->setParent(innerWidget);
    area->setWidget(innerWidget);
    area->horizontalScrollBar()->setSingleStep(160);
    area->verticalScrollBar()->setSingleStep(160);
    return area;
}

StatusFields::StatusFields(QStatusBar* bar, const std::vector<int>& widths) {
    for (int w : widths) {
        auto* label = new QLabel(bar);
        label->setFixedWidth(w);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setIndent(3);
        bar->addWidget(label);
        m_fields.push_back(label);
    }
}

void StatusFields::setText(int field, const QString& text) {
    if (m_fields.at(field)->text() != text)
        m_fields.at(field)->setText(text);
}

void StatusFields::setIcon(int field, session::LinkIcon icon) {
    QLabel* label = m_fields.at(field);
    const QVariant key = static_cast<int>(icon);
    if (label->property("icon") == key)
        return;
    label->setProperty("icon", key);
    label->setPixmap(linkIconPixmap(icon));
}

QString StatusFields::text(int field) const {
    return m_fields.at(field)->text();
}

} // namespace nimbrel::app
