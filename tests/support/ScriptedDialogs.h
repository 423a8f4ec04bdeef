#pragma once

#include "QtPrinters.h"

#include "platform/Dialogs.h"

#include <QVariant>
#include <deque>
#include <vector>

namespace nimbrel::testing {

// Answers prompts from a script and records every call, so tests can check titles, texts
// and kinds exactly. With the script empty, text prompts are cancelled, questions answered
// "No" (or "Cancel" where offered) and plain boxes "OK".
class ScriptedDialogs final : public platform::Dialogs {
public:
    enum class Type { Input, Question, Requester, Message, OpenFile, SaveFile, Folder, Picture };
    struct Call {
        Type type;
        QString title;
        QString text; // message text, or the information text of the input dialog
        QString prompt;
        QString proposed; // proposed text, or the directory of a file dialog
        int kind = -1;
        QStringList filters;
    };

    QString inputDialog(const QString& title, const QString& info, const QString& prompt,
                        const QString& proposed) override {
        calls.push_back({Type::Input, title, info, prompt, proposed, -1, {}});
        return nextText();
    }
    QString questionDialog(const QString& title, const QString& prompt,
                           const QString& proposed) override {
        calls.push_back({Type::Question, title, {}, prompt, proposed, -1, {}});
        return nextText();
    }
    QString requester(const QString& title, const QString& prompt,
                      const QString& proposed) override {
        calls.push_back({Type::Requester, title, {}, prompt, proposed, -1, {}});
        return nextText();
    }
    int message(const QString& title, const QString& text, int kind) override {
        calls.push_back({Type::Message, title, text, {}, {}, kind, {}});
        if (!answers.empty() && answers.front().typeId() == QMetaType::Int) {
            int a = answers.front().toInt();
            answers.pop_front();
            return a;
        }
        switch (kind) {
        case platform::kYesNoCancel:
        case platform::kQuestionYesNoCancel:
            return platform::kCancel;
        case platform::kQuestion:
        case platform::kErrorQuestion:
        case platform::kWarningQuestion:
            return platform::kNo;
        default:
            return platform::kOk;
        }
    }
    QString openFileName(const QString& title, const QStringList& filters,
                         const QString& directory) override {
        calls.push_back({Type::OpenFile, title, {}, {}, directory, -1, filters});
        return nextText();
    }
    QString saveFileName(const QString& title, const QStringList& filters, const QString& directory,
                         const QString& proposedName) override {
        calls.push_back({Type::SaveFile, title, proposedName, {}, directory, -1, filters});
        return nextText();
    }
    QString folderName(const QString& title, const QString& directory) override {
        calls.push_back({Type::Folder, title, {}, {}, directory, -1, {}});
        return nextText();
    }
    // The picture's name is recorded as the title; the next scripted options answer, none
    // left cancels.
    std::optional<platform::ConversionOptions> pictureConversion(const QImage&,
                                                                 const QString& name) override {
        calls.push_back({Type::Picture, name, {}, {}, {}, -1, {}});
        if (conversions.empty())
            return std::nullopt;
        const platform::ConversionOptions options = conversions.front();
        conversions.pop_front();
        return options;
    }

    // Script: a QString answers the next text prompt, an int the next message box.
    void answer(const QString& text) { answers.emplace_back(text); }
    void answer(const char* text) { answers.emplace_back(QString::fromUtf8(text)); }
    void answer(int button) { answers.emplace_back(button); }
    // Options that accept the next picture conversion.
    void answer(const platform::ConversionOptions& options) { conversions.push_back(options); }

    std::vector<Call> messages() const {
        std::vector<Call> out;
        for (const auto& c : calls)
            if (c.type == Type::Message)
                out.push_back(c);
        return out;
    }

    std::vector<Call> calls;
    std::deque<QVariant> answers;
    std::deque<platform::ConversionOptions> conversions;

private:
    QString nextText() {
        if (!answers.empty() && answers.front().typeId() == QMetaType::QString) {
            QString s = answers.front().toString();
            answers.pop_front();
            return s;
        }
        return {};
    }
};

} // namespace nimbrel::testing
