#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>
#include <memory>

namespace nimbrel::platform {

namespace {

Language language = Language::Russian;

// The translators in use; replaced as a whole when the language changes.
struct Translators {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Translators& translators() {
    static Translators installed;
    return installed;
}

void removeTranslator(std::unique_ptr<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// Qt's own texts for `locale`, from the system's Qt translations (qt6-translations-l10n).
std::unique_ptr<QTranslator> qtTranslator(const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

} // namespace

std::optional<Language> languageFromCode(const QString& code) {
    const QString lower = code.trimmed().toLower();
    const auto is = [&](QLatin1StringView name) {
        return lower == name || lower.startsWith(name + QLatin1Char('_')) ||
               lower.startsWith(name + QLatin1Char('-')) ||
               lower.startsWith(name + QLatin1Char('.')) ||
               lower.startsWith(name + QLatin1Char('@'));
    };
    if (is(QLatin1StringView("ru")))
        return Language::Russian;
    if (is(QLatin1StringView("en")))
        return Language::English;
    return std::nullopt;
}

QString languageCode(Language value) {
    return value == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

std::optional<Language> languageOf(const QStringList& preferences) {
    for (const QString& value : preferences) {
        const QString name = value.trimmed();
        if (name.isEmpty() || name == QLatin1StringView("C") || name.startsWith(u"C.") ||
            name == QLatin1StringView("POSIX"))
            continue;
        return languageFromCode(name).value_or(Language::Russian);
    }
    return std::nullopt;
}

Language environmentLanguage() {
    QStringList preferences = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        preferences += qEnvironmentVariable(name);
    if (const auto named = languageOf(preferences))
        return *named;
    // The C locale names no language (its UI language reads as English).
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return Language::Russian;
    return languageOf(system.uiLanguages()).value_or(Language::Russian);
}

bool useLanguage(Language wanted, QtTexts qtTexts) {
    Translators& installed = translators();
    removeTranslator(installed.program);
    removeTranslator(installed.qt);
    language = Language::Russian;
    bool loaded = true;
    if (wanted == Language::English) {
        auto program = std::make_unique<QTranslator>();
        if (program->load(QStringLiteral(":/i18n/nimbrel_en.qm")) &&
            QCoreApplication::installTranslator(program.get())) {
            installed.program = std::move(program);
            language = Language::English;
        } else {
            loaded = false;
        }
    }
    // Qt's own texts follow: Russian ones for Russian, its built-in English otherwise.
    if (language == Language::Russian && qtTexts == QtTexts::InLanguage) {
        installed.qt = qtTranslator(QLocale(QLocale::Russian));
        if (installed.qt && !QCoreApplication::installTranslator(installed.qt.get()))
            installed.qt.reset();
    }
    return loaded;
}

Language currentLanguage() {
    return language;
}

QString worded(Wording wording, const char* context, const char* source) {
    if (wording == Wording::Source)
        return QString::fromUtf8(source);
    return QCoreApplication::translate(context, source);
}

} // namespace nimbrel::platform
