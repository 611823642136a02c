// The main window: two docked toolbars with their drop-down menus, the category view and
// the six tweak lists on the left, the panel area on the right (the About panel at
// start), the status line at the bottom. It owns the tweak panels under their group-box
// names and routes list double clicks and Actions-menu entries to them; the panels hold
// their own logic.
#pragma once

#include "LazyPanel.h"
#include "security/PasswordState.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <initializer_list>

class AboutPanel;
class Banner;
class BrowseDialog;
class Dock97;
class GoToWeb;
class HelpViewer;
class ImageList;
class ListView;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;
class StatusBar;
class Toolbar97;
class TweakPanel;
class SubmenuItemsPanel;
class MyComputerViewerPanel;
class UnassociatedFileViewerPanel;
class SoundEventsPanel;
class AddRemoveProgramsPanel;
class NewMenuPanel;
class OwnerInformationPanel;
class ProductIdPanel;
class PopupMenuSpeedPanel;
class LogProgramFaultsPanel;
class DefaultFoldersPanel;
class SetupPathPanel;
class ShortcutArrowsPanel;
class AllFilesSubmenuPanel;
class HiColorIconsPanel;
class CommandPromptHerePanel;
class ExploreFromHerePanel;
class ExplorerPoliciesPanel;
class SystemPoliciesPanel;
class NetworkPoliciesPanel;
class StartButtonPanel;
class BitmapIconsPanel;
class AnimationPanel;
class MyComputerIconPanel;
class SecretPanel;
class RecycleBinIconPanel;
class RenameRecycleBinPanel;
class RemoveRecycleBinPanel;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The one main window (the designer's Form1); nullptr before it is built and after
    // it is destroyed.
    static TForm1* Form1;

    static QString welcomeText() { return QStringLiteral("Welcomme to Korrelin"); }
    // The group boxes of the About panel, the hidden panel and every tweak panel.
    static const QStringList& panelNames();

    // Builds the widgets and runs FormCreate; an exception there is shown by the
    // default exception handler and the rest of the create step is skipped.
    explicit TForm1(QWidget* parent = nullptr);
    // Runs FormDestroy if it has not run yet.
    ~TForm1() override;

    // Operations used by the panels and the scenario player.
    void HideAllPanels();
    void HideAllLists();
    void RelayoutTweakLists();
    void setStatusText(const QString& text);
    QString statusText() const;

    // The show step: run once after the window is first shown. Exceptions are not
    // caught here: one escaping the show step ends the program.
    void FormShow();
    // The destroy step: runs once, when the window is closed or destroyed.
    void FormDestroy();

    // The view preferences, after the Options dialog closes.
    void ApplyViewOptions();
    // Reads the password and its scope again into passwordState.
    void ReloadPasswordState();

    // Where the tweak panels live (their parent).
    QWidget* panelArea() const { return m_surface; }
    // Builds every tweak panel not built yet, for whoever looks for panels or their
    // controls by name (the scenario player, tests).
    void buildAllPanels();
    HelpViewer* helpViewer();

    // Designer-named furniture.
    Dock97* Dock972;
    Toolbar97* Toolbar972;
    QFrame* Panel2;
    Dock97* Dock973;
    Toolbar97* Toolbar973;
    QFrame* Panel4;
    QToolButton* ToolbarButton975; // File
    QToolButton* ToolbarButton977; // Actions
    QToolButton* ToolbarButton973; // Password
    QToolButton* ToolbarButton976; // Help
    QToolButton* ToolbarButton978; // Exit
    QToolButton* ToolbarButton979; // Help contents
    QToolButton* ToolbarButton9710; // "W", home page
    QToolButton* ToolbarButton974; // "E", e-mail
    QToolButton* ToolbarButton9711; // "A", About
    QMenu* PopupMenu1;
    QMenu* PopupMenu2;
    QMenu* PopupMenu3;
    QMenu* PopupMenu4;
    QAction* ResetPosition1;
    QAction* Exit1;
    QAction* Help1;
    QAction* GotoKorrelinHomepage1;
    QAction* About1;
    QAction* SetChangePassword1;
    QAction* Security1;
    QAction* AddRemovePrograms1;
    QAction* Addsoundevents1;
    QAction* AddSubmenuItemtoallfiles1;
    QAction* AddtoNewmenu1;
    QAction* Addingsubmenuitems1;
    QAction* Animation1;
    QAction* BitmapIcons1;
    QAction* CommandPromtHere1;
    QAction* ExploreFromHere1;
    QAction* LocationoftheDefaultFolder1;
    QAction* LogProgramFaults1;
    QAction* Mycomputericon1;
    QAction* Mycomputerviewer1;
    QAction* OwnerInformation1;
    QAction* PopupMenuSpeed1;
    QAction* ProductID1;
    QAction* RecycleBinsIcon1;
    QAction* RemoveRecycleBin1;
    QAction* RenameRecycleBin1;
    QAction* RemovetheShortcutArrow1;
    QAction* SetupPath1;
    QAction* ShowHicoloricons1;
    QAction* Unassociatedfileviewer1;
    ListView* ListView1;
    ListView* ListView3;
    ListView* ListView5;
    ListView* ListView6;
    ListView* ListView7;
    ListView* ListView10;
    ListView* ListView11;
    StatusBar* StatusBar1;
    AboutPanel* GroupBox1;
    QLabel* Image1;
    Banner* Banner1;
    ImageList* ImageList1;
    GoToWeb* GoToWeb1;
    BrowseDialog* OpenDialog1;
    BrowseDialog* OpenDialog2;

    // Tweak panels under their group-box names, each built the first time it is used
    // (set up in the constructor, where the panel classes are known).
    LazyPanel<MyComputerIconPanel> GroupBox2; // My computer icon
    LazyPanel<BitmapIconsPanel> GroupBox3; // Bitmap Icons
    LazyPanel<MyComputerViewerPanel> GroupBox4; // My computer viewer
    LazyPanel<AnimationPanel> GroupBox5; // Animation
    LazyPanel<OwnerInformationPanel> GroupBox6; // Owner Information
    LazyPanel<NewMenuPanel> GroupBox7; // Add to New menu
    LazyPanel<ProductIdPanel> GroupBox8; // Product ID
    LazyPanel<PopupMenuSpeedPanel> GroupBox10; // Popup menu speed
    LazyPanel<AddRemoveProgramsPanel> GroupBox12; // Add/Remove Programs
    LazyPanel<LogProgramFaultsPanel> GroupBox13; // Log Program Faults
    LazyPanel<SoundEventsPanel> GroupBox14; // Add sound events
    LazyPanel<RecycleBinIconPanel> GroupBox16; // Recycle Bin's Icon
    LazyPanel<RenameRecycleBinPanel> GroupBox17; // Rename Recycle Bin
    LazyPanel<RemoveRecycleBinPanel> GroupBox18; // Remove Recycle Bin
    LazyPanel<UnassociatedFileViewerPanel> GroupBox19; // Unassociated file viewer
    LazyPanel<SubmenuItemsPanel> GroupBox22; // Adding submenu items
    LazyPanel<DefaultFoldersPanel> GroupBox24; // Location of Default Folders
    LazyPanel<SetupPathPanel> GroupBox25; // Setup Path
    LazyPanel<SecretPanel> GroupBox26; // the hidden panel "You found a secret"
    LazyPanel<ShortcutArrowsPanel> GroupBox27; // Remove the Shortcut Arrows
    LazyPanel<AllFilesSubmenuPanel> GroupBox28; // Submenu Item to all files
    LazyPanel<HiColorIconsPanel> GroupBox30; // Show icons with Hi colors
    LazyPanel<CommandPromptHerePanel> GroupBox31; // Command Promt Here
    LazyPanel<ExploreFromHerePanel> GroupBox32; // Explore From Here
    LazyPanel<ExplorerPoliciesPanel> GroupBox33; // Explorer policies
    LazyPanel<SystemPoliciesPanel> GroupBox34; // System policies
    LazyPanel<NetworkPoliciesPanel> GroupBox35; // Network and MS-DOS policies
    LazyPanel<StartButtonPanel> GroupBox36; // Disable right click on Start button

    // The password and its scope as last read (StoredPassword, SecurityType,
    // PolicyAccessGranted).
    PasswordState passwordState;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbars();
    void buildMenus();
    void buildLists();
    void wireHandlers();
    void FormCreate();
    void FormResize();
    void showHelpContext(int context);

    QAction* addMenuEntry(QMenu* menu, const char* name, const QString& caption, int helpContext);
    ListView* addTweakList(const char* name);
    // The entry the list's handlers act on: the selected entry's position, -1 for none.
    static int chosenPosition(const ListView* list);
    // Opens the panel of the chosen entry from a tweak list; nothing when no entry is
    // chosen.
    static void openChosen(const ListView* list, std::initializer_list<PanelSlot*> panels);
    void showChosenDescription(const ListView* list, const QStringList& descriptions);
    QList<ListView*> tweakLists() const;

    // Handlers, named after the designer's components and events.
    void ListView1Click();
    void ListView1DblClick();
    void ListView3Click();
    void ListView3DblClick();
    void ListView5Click();
    void ListView5DblClick();
    void ListView6Click();
    void ListView6DblClick();
    void ListView7Click();
    void ListView7DblClick();
    void ListView10Click();
    void ListView10DblClick();
    void ListView11Click();
    void ListView11DblClick();
    void Exit1Click();
    void ResetPosition1Click();
    void Help1Click();
    void GotoKorrelinHomepage1Click();
    void About1Click();
    void SetChangePassword1Click();
    void Security1Click();
    void ToolbarButton978Click();
    void ToolbarButton979Click();
    void ToolbarButton9710Click();
    void ToolbarButton974Click();
    void ToolbarButton9711Click();
    void Panel2MouseMove();
    void Panel4MouseMove();
    void AddRemovePrograms1Click();
    void Addsoundevents1Click();
    void AddSubmenuItemtoallfiles1Click();
    void AddtoNewmenu1Click();
    void Addingsubmenuitems1Click();
    void Animation1Click();
    void BitmapIcons1Click();
    void CommandPromtHere1Click();
    void ExploreFromHere1Click();
    void LocationoftheDefaultFolder1Click();
    void LogProgramFaults1Click();
    void Mycomputericon1Click();
    void Mycomputerviewer1Click();
    void OwnerInformation1Click();
    void PopupMenuSpeed1Click();
    void ProductID1Click();
    void RecycleBinsIcon1Click();
    void RemoveRecycleBin1Click();
    void RenameRecycleBin1Click();
    void RemovetheShortcutArrow1Click();
    void SetupPath1Click();
    void ShowHicoloricons1Click();
    void Unassociatedfileviewer1Click();

    QWidget* m_surface;
    HelpViewer* m_helpViewer = nullptr;
    bool m_destroyed = false;
};
