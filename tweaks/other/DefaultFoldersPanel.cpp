#include "DefaultFoldersPanel.h"

#include "TRegistry.h"

#include <QGridLayout>

namespace {

const std::string ShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

} // namespace

DefaultFoldersPanel::DefaultFoldersPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox24"),
                 QStringLiteral("Change the location of the default folders"))
{
    PLACE(Label47, QStringLiteral(
        "Here you can change the location of the default folders like Desktop, favorites, "
        "Font, Recent and more. Just write in the new directory and click the OK button."));
    CREATE(Label48, QStringLiteral("Desktop:"));
    CREATE(Edit17);
    CREATE(Label49, QStringLiteral("Favorites:"));
    CREATE(Edit18);
    CREATE(Label50, QStringLiteral("Fonts:"));
    CREATE(Edit19);
    CREATE(Label51, QStringLiteral("Programs:"));
    CREATE(Edit20);
    CREATE(Label52, QStringLiteral("Recent:"));
    CREATE(Edit21);
    CREATE(Label53, QStringLiteral("SendTo:"));
    CREATE(Edit22);
    CREATE(Label54, QStringLiteral("StartMenu:"));
    CREATE(Edit23);
    CREATE(Label55, QStringLiteral("StartUp:"));
    CREATE(Edit24);
    CREATE(Label56, QStringLiteral("ShellNew:"));
    CREATE(Edit25);
    // Nine rows are many for the panel's height: one grid, packed tight.
    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    QLabel* const labels[] = {Label48, Label49, Label50, Label51, Label52,
                                    Label53, Label54, Label55, Label56};
    int row = 0;
    for (const auto& [edit, name] : fields()) {
        grid->addWidget(labels[row], row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    placeRow({rows});

    PLACE_OK_CANCEL(OfficeButton39, OfficeButton40);
    connectHandler(OfficeButton39, &OfficeButton::clicked, this,
                   &DefaultFoldersPanel::OfficeButton39Click);
}

std::array<std::pair<Edit*, const char*>, 9> DefaultFoldersPanel::fields() const
{
    // The ninth row reads "ShellNew:" but edits "Templates", the folder the New menu
    // takes its template files from.
    return {{{Edit17, "Desktop"},
             {Edit18, "Favorites"},
             {Edit19, "Fonts"},
             {Edit20, "Programs"},
             {Edit21, "Recent"},
             {Edit22, "SendTo"},
             {Edit23, "Start Menu"},
             {Edit24, "Startup"},
             {Edit25, "Templates"}}};
}

void DefaultFoldersPanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_CURRENT_USER;
    registry.LazyWrite = false;
    registry.OpenKey(ShellFoldersKey, true);
    // A value of another type throws part-way: the edits read before it keep their new text.
    for (const auto& [edit, name] : fields())
        edit->setText(QString::fromStdString(registry.ReadString(name)));
    registry.CloseKey();
    ShowPanel();
}

void DefaultFoldersPanel::OfficeButton39Click()
{
    TRegistry registry;
    registry.RootKey = HKEY_CURRENT_USER;
    registry.LazyWrite = false;
    registry.OpenKey(ShellFoldersKey, true);
    // All nine every time, changed or not.
    for (const auto& [edit, name] : fields())
        registry.WriteString(name, edit->text().toStdString());
    registry.CloseKey();
    information(QStringLiteral("You have to restart your computer to make the changes take effect"));
}
