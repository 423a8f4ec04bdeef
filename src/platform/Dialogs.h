#pragma once

#include "platform/PictureOptions.h"

#include <QString>
#include <QStringList>

#include <optional>

class QImage;

namespace nimbrel::platform {

// Message box kinds, by the values the program passes.
enum MessageKind : int {
    kPlain = 0,
    kYesNoCancel = 3,
    kQuestion = 4,
    kError = 16,
    kErrorQuestion = 20,
    kQuestionYesNoCancel = 35,
    kWarningQuestion = 52,
    kInformation = 64,
    // Added to a question: its second button ("Нет") is the default, for Enter.
    kSecondIsDefault = 0x100,
};

// Message box answers.
enum Answer : int { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

// Every question and message of the program goes through here. Each call is modal and
// returns the empty text when the user cancels (Esc, close box, "Отмена").
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Two-text dialog: the port choice.
    virtual QString inputDialog(const QString& title, const QString& info, const QString& prompt,
                                const QString& proposed) = 0;
    // One-text dialog: sizes, number of lines, the clock.
    virtual QString questionDialog(const QString& title, const QString& prompt,
                                   const QString& proposed) = 0;
    // Plain one-line requester: mark, fragment and logo numbers, the date offset.
    virtual QString requester(const QString& title, const QString& prompt,
                              const QString& proposed) = 0;
    // Returns kOk, kYes, kNo or kCancel.
    virtual int message(const QString& title, const QString& text, int kind) = 0;

    // Common file dialogs; the empty text when cancelled. Filters as Qt writes them,
    // e.g. "Текстовые марки (*.mrt)".
    virtual QString openFileName(const QString& title, const QStringList& filters,
                                 const QString& directory) = 0;
    virtual QString saveFileName(const QString& title, const QStringList& filters,
                                 const QString& directory, const QString& proposedName) = 0;
    // A folder, starting in `directory`; one may be made there in the dialog. The empty text
    // when cancelled.
    virtual QString folderName(const QString& title, const QString& directory) = 0;

    // Asks how a picture becomes a logo, showing the result as it will be; nothing when
    // cancelled. `name` is the picture's file name as the user knows it.
    virtual std::optional<ConversionOptions> pictureConversion(const QImage& picture,
                                                               const QString& name) = 0;
};

} // namespace nimbrel::platform
