// The .ts files against the texts of the code: every text translated in every language, nothing left over,
// and each translation keeping what the program fills in or the user presses (placeholders, line breaks,
// accelerators).

#include "tests/helpers/TestPaths.h"
#include "tests/translations/TsFile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace halvo;

namespace {

QString tsPath(const QString& language) {
    return QStringLiteral("%1/halvo_%2.ts").arg(TestPath("HALVO_TRANSLATIONS_DIR"), language);
}

QString key(const TsMessage& message) {
    return message.context + QStringLiteral(": \"") + message.source + QLatin1Char('"');
}

// A few of the texts and how many there are in all, so that a failure says what to do without a page
// of output.
QString briefly(const QString& what, const QStringList& texts) {
    QStringList shown = texts.mid(0, 5);
    for (QString& text : shown)
        text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QStringLiteral("%1 %2: %3%4")
        .arg(texts.size())
        .arg(what, shown.join(QStringLiteral("; ")), texts.size() > 5 ? QStringLiteral("; ...") : QString());
}

// What the program fills in (%1, %n, the conditions' {1}), sorted: a translation has each as often.
QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%[1-9n]|\\{[1-9]\\}"));
    QStringList found;
    for (auto match = pattern.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

bool hasAccelerator(QString text) {
    static const QRegularExpression accelerator(QStringLiteral("&[^&\\s]"));
    return text.remove(QStringLiteral("&&")).contains(accelerator);
}

} // namespace

class TranslationFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_scanFolder;
    QList<TsMessage> m_scanned; // the texts of the code now, as lupdate finds them

private slots:
    // One fresh scan of the code, as the halvo-translations target makes it, into a file of the test's own.
    void initTestCase() {
        QVERIFY(m_scanFolder.isValid());
        QProcess scan;
        scan.setProcessChannelMode(QProcess::MergedChannels);
        scan.start(QString::fromLocal8Bit(TestPath("HALVO_CMAKE")),
                   {QStringLiteral("-DLUPDATE=%1").arg(TestPath("HALVO_LUPDATE")),
                    QStringLiteral("-DSOURCE_DIR=%1").arg(TestPath("HALVO_SOURCE_DIR")),
                    QStringLiteral("-DDIRS=") + QString::fromLocal8Bit(TestPath("HALVO_TRANSLATED_DIRS"))
                                                    .replace(QLatin1Char(','), QLatin1Char(';')),
                    QStringLiteral("-DLANGUAGES=en"),
                    QStringLiteral("-DTRANSLATIONS_DIR=") + m_scanFolder.path(), QStringLiteral("-P"),
                    QStringLiteral("%1/cmake/UpdateTranslations.cmake").arg(TestPath("HALVO_SOURCE_DIR"))});
        QVERIFY(scan.waitForFinished(120000));
        QVERIFY2(scan.exitCode() == 0, scan.readAll().constData());
        m_scanned = ReadTsFile(m_scanFolder.filePath(QStringLiteral("halvo_en.ts")));
        QVERIFY2(m_scanned.size() > 100, "lupdate found too few texts in the code");
    }

    void complete_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "es", "it", "pt_BR", "ru", "pl", "zh_CN"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    // Every text of the code has its finished translation, and the file holds no text the code no longer
    // has (a new text without its translations fails here, before any user meets it in English).
    void complete() {
        QFETCH(QString, language);
        const QList<TsMessage> messages = ReadTsFile(tsPath(language));
        QVERIFY2(!messages.isEmpty(), qPrintable(tsPath(language) + QStringLiteral(" cannot be read")));
        QSet<QString> inFile, inCode;
        QStringList untranslated, leftOver, notInFile;
        for (const TsMessage& message : messages) {
            inFile << key(message);
            if (message.type == u"vanished" || message.type == u"obsolete")
                leftOver << key(message);
            else if (!message.type.isEmpty() || message.translation.isEmpty())
                untranslated << key(message);
        }
        for (const TsMessage& message : m_scanned) {
            inCode << key(message);
            if (!inFile.contains(key(message)))
                notInFile << key(message);
        }
        for (const QString& text : std::as_const(inFile))
            if (!inCode.contains(text) && !leftOver.contains(text))
                leftOver << text;
        QStringList problems;
        if (!notInFile.isEmpty())
            problems << briefly(QStringLiteral("new in the code (run ./halvo.sh translations)"), notInFile);
        if (!untranslated.isEmpty())
            problems << briefly(QStringLiteral("not translated"), untranslated);
        if (!leftOver.isEmpty())
            problems << briefly(QStringLiteral("no longer in the code"), leftOver);
        QVERIFY2(problems.isEmpty(),
                 qPrintable(language + QStringLiteral(": ") + problems.join(QStringLiteral(" | "))));
    }

    void keepsWhatTheProgramFillsIn_data() { complete_data(); }

    // A finished translation keeps the source's placeholders, its line breaks and, where it has one, an
    // accelerator; an unfinished one is the business of complete().
    void keepsWhatTheProgramFillsIn() {
        QFETCH(QString, language);
        QStringList wrong;
        for (const TsMessage& message : ReadTsFile(tsPath(language))) {
            if (!message.type.isEmpty() || message.translation.isEmpty())
                continue;
            QStringList faults;
            // Each form of a plural one is a whole text of its own.
            for (const QString& text :
                 message.forms.isEmpty() ? QStringList{message.translation} : message.forms) {
                if (placeholders(text) != placeholders(message.source))
                    faults << QStringLiteral("placeholders");
                if (text.count(QLatin1Char('\n')) != message.source.count(QLatin1Char('\n')))
                    faults << QStringLiteral("line breaks");
                if (hasAccelerator(text) != hasAccelerator(message.source))
                    faults << QStringLiteral("accelerator");
            }
            faults.removeDuplicates();
            if (!faults.isEmpty())
                wrong << faults.join(QLatin1Char('+')) + QStringLiteral(" of ") + key(message);
        }
        QVERIFY2(wrong.isEmpty(),
                 qPrintable(language + QStringLiteral(": ") + briefly(QStringLiteral("changed"), wrong)));
    }
};

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "TranslationFilesTest.moc"
