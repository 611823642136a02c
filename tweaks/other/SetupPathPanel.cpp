#include "SetupPathPanel.h"

#include "TRegistry.h"

namespace {

const std::string SetupKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup";

} // namespace

SetupPathPanel::SetupPathPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox25"), QStringLiteral("Setup Path"))
{
    PLACE(Label57, QStringLiteral(
        "Here you can change the Setup Path for Windows 95 installation files. This coud be "
        "good if you want to have a copy of the installation program on you'r hardisk so you "
        "don't have to place the CD in the drive every time you shoud add/remove"));
    PLACE(Label60, QStringLiteral(
        "a program from the Control panel. Just write the new directory in the Edit box like "
        "this:"));
    PLACE(Label61, QStringLiteral("C:\\Win95\\"));
    CREATE(Label59, QStringLiteral("Path:"));
    CREATE(Edit26);
    placeRow({Label59, Edit26});

    PLACE_OK_CANCEL(OfficeButton41, OfficeButton42);
    connectHandler(OfficeButton41, &OfficeButton::clicked, this,
                   &SetupPathPanel::OfficeButton41Click);
}

void SetupPathPanel::open()
{
    ShowPanel();
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.LazyWrite = false;
    registry.OpenKey(SetupKey, true);
    Edit26->setText(QString::fromStdString(registry.ReadString("SourcePath")));
    registry.CloseKey();
}

void SetupPathPanel::OfficeButton41Click()
{
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.LazyWrite = false;
    registry.OpenKey(SetupKey, true);
    registry.WriteString("SourcePath", Edit26->text().toStdString());
    registry.CloseKey();
    information(QStringLiteral("The Windows 95 Installation path is now ") + Edit26->text());
}
