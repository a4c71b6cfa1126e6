#include "FormAbout.h"

#include "FormCtrl.h"
#include "toolkit/AppIcon.h"

#include <QLabel>
#include <QPushButton>

namespace halvo {

TFormAbout::TFormAbout(TFormCtrl& owner, QWidget* parent) : QWidget(parent), m_owner(owner) {
    setObjectName("FormAbout");
    setFixedSize(PageSize);
    QFont font = this->font();
    font.setPixelSize(15);

    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setFont(font);
    Label2->setText(tr("Halvo Shutdown\n"
                       "Version %1\n"
                       "Shuts the computer down on a schedule.\n")
                        .arg(QStringLiteral(HALVO_VERSION)));
    Label2->setGeometry(6, 10, 272, 64);
    Label2->setWordWrap(false);
    Label2->adjustSize();

    LabelHomepage = new QLabel(QString::fromStdString(owner.HomepageAddress()), this);
    LabelHomepage->setObjectName("LabelHomepage");
    LabelHomepage->setFont(font);
    QPalette link = LabelHomepage->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    LabelHomepage->setPalette(link);
    LabelHomepage->adjustSize();
    LabelHomepage->move(6, 110);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(renderAppIcon(64)));
    icon->setGeometry(376, 12, 64, 64);

    Button1 = new QPushButton(tr("Visit Homepage"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(47, 240, 132, 26);
    Button2 = new QPushButton(tr("OK"), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(247, 240, 132, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TFormAbout::Button1Click() {
    m_owner.OpenHomepage();
}

void TFormAbout::Button2Click() {
    m_owner.hide();
}

} // namespace halvo
