#pragma once

// The messages of a Qt Linguist .ts file, as the translation tests read them.

#include <QFile>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

namespace halvo {

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete", or empty when finished
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
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            if (xml.isEndElement() && xml.name() == u"message")
                messages << message;
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = TsMessage{context, {}, {}, {}};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
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
