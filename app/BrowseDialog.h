// The open-file dialogs of the main window (OpenDialog1 for programs, OpenDialog2 for
// icons). They show the store's drives and return Windows paths (C:\..., Z:\... for the
// rest of the file system), and keep their last folder and file name within a run.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class BrowseDialog : public QObject {
    Q_OBJECT
public:
    // filter as designed, e.g. "Programs|*.exe"; defaultExt "*.exe" or empty.
    BrowseDialog(const QString& filter, const QString& defaultExt, QObject* parent = nullptr);

    QString filter() const { return m_filter; }
    QString defaultExt() const { return m_defaultExt; }

    // Runs the dialog modally; true when the user confirmed a file.
    bool Execute();
    // The chosen file as a Windows path.
    QString FileName() const { return m_fileName; }

    // Installed by the scenario player: returns the confirmed Windows path, or
    // std::nullopt for a cancelled dialog, instead of showing one.
    using Hook = std::function<std::optional<QString>(const BrowseDialog& dialog)>;
    static void setHook(Hook hook);

private:
    QString m_filter;
    QString m_defaultExt;
    QString m_fileName;
    // Host folder and file name of the last confirmed choice, where the dialog opens next
    // time.
    QString m_lastFolder;
    QString m_lastName;
};
