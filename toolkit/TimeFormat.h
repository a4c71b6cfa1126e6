#pragma once

// Time formats shown to the user: the locale's, but never naming a time zone (a stored display text must
// not name the zone it was made in, and the clock shows local time anyway).

#include <QLocale>
#include <QString>

namespace halvo {

// A time format without its time-zone part.
QString WithoutTimeZone(const QString& format);
// The locale's long time format (with seconds, and AM/PM where the locale has it) without its time zone.
QString LongTimeFormat(const QLocale& locale = QLocale());

} // namespace halvo
