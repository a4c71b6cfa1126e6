#pragma once

// The windows' flat tool buttons: no frame until the mouse is over them, their caption in the window's
// font, or in bold for the buttons that carry a page's main actions.

class QString;
class QToolButton;
class QWidget;

namespace halvo {

// A flat button named name (the object name tests find it by) with the caption.
QToolButton* makeFlatButton(QWidget* parent, const char* name, const QString& caption);

// The same with its caption in bold.
QToolButton* makeBoldFlatButton(QWidget* parent, const char* name, const QString& caption);

} // namespace halvo
