#include "Translations.h"

#include "platform/Translate.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace halvo {

namespace {

// Where the build embeds halvo_<language>.qm and Qt's qtbase_<language>.qm.
constexpr char TranslationsFolder[] = ":/i18n";

QTranslator& programTranslator() {
    static QTranslator translator;
    return translator;
}

QTranslator& qtTranslator() {
    static QTranslator translator;
    return translator;
}

QString& loadedLanguage() {
    static QString language;
    return language;
}

std::string translateLoaded(const char* context, const char* source) {
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, source).toStdString();
    // Before the application exists: straight from the loaded file.
    const QString text = programTranslator().translate(context, source);
    return text.isNull() ? std::string(source) : text.toStdString();
}

} // namespace

void LoadTranslations() {
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace('-', '_');
        // English is the source text: a user who puts it before a language the program has keeps it.
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            break;
        // "zh_Hans_CN" finds nothing here, "zh_CN" after it in the list does; "de_AT" finds "de".
        if (programTranslator().load(QStringLiteral("halvo_") + language, TranslationsFolder)) {
            loadedLanguage() = programTranslator().language();
            if (loadedLanguage().isEmpty())
                loadedLanguage() = language;
            break;
        }
    }
    if (loadedLanguage().isEmpty())
        return;
    // Qt's own texts in the same language, when Qt has them (an empty translator adds nothing).
    static_cast<void>(qtTranslator().load(QStringLiteral("qtbase_") + loadedLanguage(), TranslationsFolder));
    SetTranslateFunction(&translateLoaded);
}

void InstallTranslations() {
    if (loadedLanguage().isEmpty())
        return;
    QCoreApplication::installTranslator(&programTranslator());
    if (!qtTranslator().isEmpty())
        QCoreApplication::installTranslator(&qtTranslator());
}

QString LoadedLanguage() {
    return loadedLanguage();
}

} // namespace halvo
