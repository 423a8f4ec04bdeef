#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace nimbrel::platform {

// The languages the programs speak. Every text is written in Russian; the English ones come
// from the translation compiled into the programs (translations/nimbrel_en.ts).
enum class Language { Russian, English };

// "ru" or "en" (any case, a region may follow: "en_GB"); nothing for any other code.
std::optional<Language> languageFromCode(const QString& code);
QString languageCode(Language language);

// The language the user's environment asks for, by the locale rule: the first of LANGUAGE
// (a colon list), LC_ALL, LC_MESSAGES and LANG that is set decides, "C" and "POSIX" deciding
// nothing; without one, the system's UI languages. English when it names English, Russian for
// every other language.
Language environmentLanguage();
// The same rule over the values given, in that order (LANGUAGE's list split already); nothing
// when none of them names a language.
std::optional<Language> languageOf(const QStringList& preferences);

// Qt's own texts (file dialogs, buttons, its command-line parser's errors): in the language in
// use, or always in Qt's English, as nimbrel-cli's Russian messages have always quoted them.
enum class QtTexts { InLanguage, English };

// From here on QCoreApplication::translate answers in `language`, for the program's texts and
// Qt's own. Needs the application object. False when the English texts could not be loaded:
// the program then stays in Russian.
bool useLanguage(Language language, QtTexts qtTexts = QtTexts::InLanguage);
Language currentLanguage();

// Which form of a program text: the one shown, in the language in use, or the source form
// (Russian) for what a script reads (the fields of a report under --json), which must not
// change with the language.
enum class Wording { Shown, Source };
// `source`, marked where it is written with QT_TRANSLATE_NOOP(context, ...), in that form.
QString worded(Wording wording, const char* context, const char* source);

} // namespace nimbrel::platform
