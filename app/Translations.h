#pragma once

#include <QString>

namespace halvo {

// The program speaks the first language of the user's list (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; the
// display language on Windows) that it has a translation for, unless English comes first. Its own texts
// and Qt's (standard buttons and dialogs) are embedded in the program.
//
// Loads them and routes the texts of the layers without Qt through them. Called first thing in main():
// the command line's errors and --help are written before any application object exists.
void LoadTranslations();

// Hands the loaded translations to the application object just made, for tr() and Qt's own dialogs.
void InstallTranslations();

// The language whose translation is loaded ("de", "pt_BR"), or empty for the English source texts.
QString LoadedLanguage();

} // namespace halvo
