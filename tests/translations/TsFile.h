#pragma once

// The messages of a Qt Linguist .ts file, as the translation tests read them.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace halvo {

struct TsMessage {
    QString context;
    QString source;
    QString translation; // of a plural one, its first form
    QString type;        // "unfinished", "vanished", "obsolete", or empty when finished
    QStringList forms;   // a plural one's forms, each a whole text
};

// Every message of the file at path; empty when it cannot be read.
inline QList<TsMessage> ReadTsFile(const QString& path) {
    QList<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            if (xml.isEndElement() && xml.name() == u"message")
                messages << message;
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = TsMessage{context, {}, {}, {}, {}};
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // A plural one holds its forms as elements of their own.
            if (!numerus)
                message.translation = xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            message.forms << xml.readElementText();
            message.translation = message.forms.first();
        }
    }
    return messages;
}

// The finished translation of source in context, or a null string.
inline QString FinishedTranslation(const QList<TsMessage>& messages, const QString& context,
                                   const QString& source) {
    for (const TsMessage& message : messages)
        if (message.context == context && message.source == source && message.type.isEmpty() &&
            !message.translation.isEmpty())
            return message.translation;
    return {};
}

} // namespace halvo
