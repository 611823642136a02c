#include "NewMenuPanel.h"

#include "KeyNameCheck.h"
#include "Store.h"
#include "TRegistry.h"
#include "TemplateFile.h"

#include <QHBoxLayout>
#include <QTextBlock>

namespace {

const std::string ShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

} // namespace

NewMenuPanel::NewMenuPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox7"), QStringLiteral("Add to New menu"))
{
    PLACE(Label12, QStringLiteral(
        "When you right click in a folder you can create an new file for a special program. "
        "But what if you want another program to show upp there, now you can. Just write the "
        "extension of the program. like this: txt"));
    PLACE(Label13, QStringLiteral(
        "That's all you have to do. When you have done that you have to click on the OK "
        "button to save it. Be sure to check that the file is accessoried to a program."));
    CREATE(Label14, QStringLiteral("Extension:"));
    CREATE(Edit5);
    placeRow({Label14, Edit5});
    // Its click does nothing else: apply reads it.
    PLACE(CheckBox2, QStringLiteral("Remove from New menu"));

    PLACE_OK_CANCEL(OfficeButton13, OfficeButton14);
    connectHandler(OfficeButton13, &OfficeButton::clicked, this, &NewMenuPanel::OfficeButton13Click);

    CREATE(Memo1);
    Memo1->hide();
    CREATE(Edit40);
    Edit40->hide();
}

void NewMenuPanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_CURRENT_USER;
    registry.LazyWrite = false;
    registry.OpenKey(ShellFoldersKey, true);
    Edit40->setText(QString::fromStdString(registry.ReadString("Templates")));
    registry.CloseKey();
    ShowPanel();
}

QByteArray NewMenuPanel::templateContent() const
{
    QByteArray content;
    for (QTextBlock line = Memo1->document()->begin(); line.isValid(); line = line.next())
        content += line.text().toUtf8() + "\r\n";
    return content;
}

void NewMenuPanel::OfficeButton13Click()
{
    const QString extension = Edit5->text();
    if (!KeyNameCheck::accept(extension))
        return;
    // Used as typed: "txt" names ".txt", and ".txt" names "..txt".
    const std::string key = "." + extension.toStdString() + "\\Shellnew";
    if (CheckBox2->isChecked()) {
        // Only the menu entry goes; the template file stays on disk.
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.DeleteKey(key);
        registry.CloseKey();
        information(QStringLiteral("The extension you wrote is now removed from the New menu"));
        return;
    }
    if (extension.isEmpty())
        return;
    const QString fileName = extension + QLatin1Char('.') + extension;
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(key, true);
    registry.WriteString("filename", fileName.toStdString());
    // A file that cannot be created throws here; "filename" is committed all the same
    // when the accessor goes.
    TemplateFile::write(Store::current().prefix(), Edit40->text() + QLatin1Char('\\') + fileName,
                        templateContent());
    registry.CloseKey();
    information(QStringLiteral("The extension you wrote do now exist in the New menu"));
}
