#include "SecretPanel.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QVBoxLayout>

SecretPanel::SecretPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox26"), QStringLiteral("You found a secret"))
{
    CREATE(SecretFrame);
    SecretFrame->setFrameShape(QFrame::Panel);
    SecretFrame->setFrameShadow(QFrame::Sunken);
    CREATE(SecretPicture);
    SecretPicture->setPixmap(QIcon(QStringLiteral(":/pictures/secret.png")).pixmap(96, 96));
    auto* frameLayout = new QHBoxLayout(SecretFrame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    frameLayout->addWidget(SecretPicture);
    SecretFrame->setFixedSize(SecretFrame->sizeHint());
    placeRow({SecretFrame});

    PLACE(SecretQuestion, QStringLiteral("Who coud that be...?"));
    SecretQuestion->setAlignment(Qt::AlignHCenter);

    CREATE(OfficeButton43, QStringLiteral("&A great man"));
    CREATE(OfficeButton44, QStringLiteral("I &don't know"));
    placeRow({OfficeButton43, OfficeButton44});
    addStretch();
    setHint(OfficeButton43, QStringLiteral("You think i am a great man!"));
    setHint(OfficeButton44, QStringLiteral("You don't know who i am!"));

    connectHandler(OfficeButton43, &OfficeButton::clicked, this,
                   &SecretPanel::OfficeButton43Click);
    connectHandler(OfficeButton44, &OfficeButton::clicked, this,
                   &SecretPanel::OfficeButton44Click);
}

void SecretPanel::OfficeButton43Click()
{
    information(QStringLiteral("You got the idea!"));
}

void SecretPanel::OfficeButton44Click()
{
    information(QStringLiteral("Figure it out then, when you do click the A great man button"));
}
