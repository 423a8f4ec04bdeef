#include "app/QtDialogs.h"

#include "app/DialogTextView.h"
#include "app/MessageBoxDialog.h"
#include "app/MessageBoxText.h"
#include "app/PictureConversionDialog.h"
#include "app/WindowTitle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace nimbrel::app {

namespace {

// Margin right of the widest control of the input dialog.
constexpr int kRightMargin = 20;
// Room for the window frame, which the dialog's own size does not include.
constexpr int kFrameReserve = 40;
constexpr int kInfoViewX = 10;
constexpr int kInputDialogWidth = 420;
constexpr int kInfoViewWidth = 365;
constexpr int kInfoViewHeight = 63;
constexpr int kRequesterWidth = 300;

QRect availableGeometry(const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

QDialog* newTextDialog(QWidget* parent, const QString& title) {
    auto* dialog = new QDialog(parent);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setWindowTitle(title);
    dialog->setModal(true);
    return dialog;
}

QLabel* addPrompt(QDialog* dialog, const QString& text, const QRect& geometry, bool wrap) {
    auto* label = new QLabel(dialog);
    label->setObjectName(QStringLiteral("prompt"));
    label->setTextFormat(Qt::PlainText);
    label->setText(displayLines(text).join(u'\n'));
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

QLineEdit* addEntry(QDialog* dialog, const QString& proposed, const QRect& geometry) {
    auto* entry = new QLineEdit(proposed, dialog);
    entry->setObjectName(QStringLiteral("entry"));
    entry->setGeometry(geometry);
    return entry;
}

QPushButton* addButton(QDialog* dialog, const QString& name, const QString& text,
                       const QRect& geometry) {
    auto* button = new QPushButton(text, dialog);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

void addOkCancel(QDialog* dialog, const QString& cancelText, const QRect& ok, const QRect& cancel) {
    auto* okButton = addButton(dialog, QStringLiteral("ok"), QStringLiteral("OK"), ok);
    okButton->setDefault(true);
    QObject::connect(okButton, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* cancelButton = addButton(dialog, QStringLiteral("cancel"), cancelText, cancel);
    QObject::connect(cancelButton, &QPushButton::clicked, dialog, &QDialog::reject);
}

// The window a dialog belonged to takes the input again once the dialog is gone.
void reactivate(QWidget* parent) {
    if (parent) {
        parent->activateWindow();
        parent->raise();
    }
}

enum class Proposed { Selected, CaretAfter };

// Runs a text dialog and returns the entry's text when confirmed, else the empty text.
QString runTextDialog(QDialog* dialog, QLineEdit* entry, Proposed proposed, QWidget* parent,
                      const std::function<void()>& sound) {
    QPointer<QDialog> guard(dialog);
    const QRect screen = availableGeometry(parent);
    // Wide enough for the whole title; the controls keep their places.
    dialog->resize(
        std::max(dialog->width(), widthForTitle(dialog, dialog->windowTitle(), screen.width())),
        dialog->height());
    dialog->setFixedSize(dialog->size());
    keepTitleBarEmpty(dialog);
    dialog->move(screen.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
    entry->setFocus();
    // Showing hands the focus over as if by Tab, which selects the whole text; the selection
    // is settled once the dialog is up.
    dialog->show();
    if (sound)
        sound();
    if (proposed == Proposed::Selected) {
        entry->selectAll();
    } else {
        entry->deselect();
        entry->end(false);
    }

    const int result = dialog->exec();
    QString text;
    if (guard) {
        if (result == QDialog::Accepted)
            text = entry->text();
        delete dialog;
    }
    reactivate(parent);
    return text;
}

template <typename Setup> QString runFileDialog(QWidget* parent, Setup setup) {
    QPointer<QFileDialog> dialog = new QFileDialog(parent);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog->setModal(true);
    setup(*dialog);
    const int result = dialog->exec();
    QString path;
    if (dialog) {
        if (result == QDialog::Accepted)
            path = dialog->selectedFiles().value(0);
        delete dialog;
    }
    reactivate(parent);
    return path;
}

} // namespace

QtDialogs::QtDialogs(QWidget* parent) : questionSound(&QApplication::beep), m_parent(parent) {}

QString QtDialogs::inputDialog(const QString& title, const QString& info, const QString& prompt,
                               const QString& proposed) {
    QDialog* dialog = newTextDialog(m_parent, title);

    auto* view = new DialogTextView(dialog);
    view->setObjectName(QStringLiteral("info"));
    view->setLines(displayLines(info));
    // The port list keeps its columns: a wide list widens the view (and the dialog), a long
    // one scrolls.
    const int maxWidth =
        availableGeometry(m_parent).width() - kInfoViewX - kRightMargin - kFrameReserve;
    QSize content = view->contentSize(maxWidth);
    const bool tall = content.height() > kInfoViewHeight;
    if (tall)
        content.setWidth(content.width() + view->verticalScrollBar()->sizeHint().width());
    view->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollBarPolicy(content.width() > maxWidth ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
    const int infoWidth =
        std::clamp(content.width(), kInfoViewWidth, std::max(kInfoViewWidth, maxWidth));
    view->setGeometry(kInfoViewX, 8, infoWidth, kInfoViewHeight);

    const int width = std::max(kInputDialogWidth, kInfoViewX + infoWidth + kRightMargin);
    dialog->resize(width, 140);
    addPrompt(dialog, prompt, QRect(10, 75, 315, 73), false);
    QLineEdit* entry = addEntry(dialog, proposed, QRect(9, 93, 300, 20));
    addOkCancel(dialog, QCoreApplication::translate("QtDialogs", "Отмена"),
                QRect(width - 80, 73, 60, 23), QRect(width - 80, 103, 60, 23));
    return runTextDialog(dialog, entry, Proposed::Selected, m_parent, questionSound);
}

QString QtDialogs::questionDialog(const QString& title, const QString& prompt,
                                  const QString& proposed) {
    QDialog* dialog = newTextDialog(m_parent, title);
    dialog->resize(357, 110);
    addPrompt(dialog, prompt, QRect(10, 8, 265, 73), true);
    QLineEdit* entry = addEntry(dialog, proposed, QRect(9, 79, 339, 20));
    addOkCancel(dialog, QStringLiteral("Cancel"), QRect(288, 8, 60, 23), QRect(288, 36, 60, 23));
    return runTextDialog(dialog, entry, Proposed::Selected, m_parent, questionSound);
}

QString QtDialogs::requester(const QString& title, const QString& prompt, const QString& proposed) {
    QDialog* dialog = newTextDialog(m_parent, title);
    // The prompt is one line; a prompt wider than the window widens it rather than being cut.
    const QString promptText = displayLines(prompt).join(u'\n');
    const int promptWidth = dialog->fontMetrics().boundingRect(QRect(), 0, promptText).width();
    const int titleWidth = widthForTitle(dialog, title, availableGeometry(m_parent).width());
    const int width = std::max({kRequesterWidth, 10 + promptWidth + 10, titleWidth});
    dialog->resize(width, 130);
    addPrompt(dialog, prompt, QRect(10, 10, width - 20, 22), false);
    QLineEdit* entry = addEntry(dialog, proposed, QRect(10, 32, width - 25, 21));
    auto* ok = addButton(dialog, QStringLiteral("ok"), QStringLiteral("OK"),
                         QRect((width - 80) / 2, 67, 80, 25));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return runTextDialog(dialog, entry, Proposed::CaretAfter, m_parent, questionSound);
}

int QtDialogs::message(const QString& title, const QString& text, int kind) {
    QPointer<MessageBoxDialog> box = new MessageBoxDialog(m_parent, title, text, kind);
    const int answer = box->run();
    delete box;
    reactivate(m_parent);
    return answer;
}

QString QtDialogs::openFileName(const QString& title, const QStringList& filters,
                                const QString& directory) {
    return runFileDialog(m_parent, [&](QFileDialog& dialog) {
        dialog.setWindowTitle(title);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(QDir(directory).absolutePath());
        if (!filters.isEmpty())
            dialog.setNameFilters(filters);
    });
}

QString QtDialogs::saveFileName(const QString& title, const QStringList& filters,
                                const QString& directory, const QString& proposedName) {
    return runFileDialog(m_parent, [&](QFileDialog& dialog) {
        dialog.setWindowTitle(title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Callers ask about replacing a file themselves where it matters.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDirectory(QDir(directory).absolutePath());
        if (!filters.isEmpty())
            dialog.setNameFilters(filters);
        if (!proposedName.isEmpty())
            dialog.selectFile(proposedName);
    });
}

QString QtDialogs::folderName(const QString& title, const QString& directory) {
    return runFileDialog(m_parent, [&](QFileDialog& dialog) {
        dialog.setWindowTitle(title);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setDirectory(QDir(directory).absolutePath());
    });
}

std::optional<platform::ConversionOptions> QtDialogs::pictureConversion(const QImage& picture,
                                                                        const QString& name) {
    QPointer<PictureConversionDialog> dialog = new PictureConversionDialog(picture, name, m_parent);
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog->setModal(true);
    const int result = dialog->exec();
    std::optional<platform::ConversionOptions> options;
    if (dialog) {
        if (result == QDialog::Accepted)
            options = dialog->options();
        delete dialog;
    }
    reactivate(m_parent);
    return options;
}

} // namespace nimbrel::app
