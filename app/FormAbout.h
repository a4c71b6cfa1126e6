#pragma once

// The About page: the product, its version and a line about it, the homepage address, "Visit Homepage"
// (opens it in the default browser) and "OK" (puts the program back into the tray).

#include <QSize>
#include <QWidget>

class QLabel;
class QPushButton;

namespace halvo {

class TFormCtrl;

class TFormAbout : public QWidget {
    Q_OBJECT
public:
    TFormAbout(TFormCtrl& owner, QWidget* parent = nullptr);

    // The page's fixed size on its tab sheet.
    static constexpr QSize PageSize{461, 270};

    QLabel* Label2;
    QLabel* LabelHomepage;
    QPushButton* Button1; // "Visit Homepage"
    QPushButton* Button2; // "OK"

    void Button1Click();
    void Button2Click();

private:
    TFormCtrl& m_owner;
};

} // namespace halvo
