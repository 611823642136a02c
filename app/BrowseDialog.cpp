#include "BrowseDialog.h"

#include "Store.h"
#include "WindowsPath.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace {

BrowseDialog::Hook& hook()
{
    static BrowseDialog::Hook installed;
    return installed;
}

// "Programs|*.exe" (label|patterns pairs, patterns separated by ';') as Qt's name
// filters: "Programs (*.exe)".
QStringList nameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        result << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' '));
    }
    return result;
}

} // namespace

BrowseDialog::BrowseDialog(const QString& filter, const QString& defaultExt, QObject* parent)
    : QObject(parent), m_filter(filter), m_defaultExt(defaultExt)
{
}

bool BrowseDialog::Execute()
{
    const std::filesystem::path prefix = Store::current().prefix();
    if (hook()) {
        const std::optional<QString> answer = hook()(*this);
        if (!answer)
            return false;
        m_fileName = *answer;
        if (auto host = WindowsPath::toHost(prefix, m_fileName)) {
            const QFileInfo info(QString::fromStdString(host->string()));
            m_lastFolder = info.absolutePath();
            m_lastName = info.fileName();
        }
        return true;
    }

    QFileDialog dialog;
    // Qt's own dialog: the desktop's native one would neither show the store's drives nor
    // let the scenario player's offscreen runs through.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(nameFilters(m_filter));
    // Designed as "*.exe": Windows would append its first three characters ("*.e") to a
    // name typed without extension; the extension meant is "exe".
    QString suffix = m_defaultExt;
    while (suffix.startsWith(u'*') || suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);

    QList<QUrl> sidebar;
    QString startFolder;
    for (const WindowsPath::Drive& drive : WindowsPath::drives(prefix)) {
        const QString folder = QString::fromStdString(drive.target.string());
        sidebar << QUrl::fromLocalFile(folder);
        if (drive.letter == u'C')
            startFolder = folder;
    }
    dialog.setSidebarUrls(sidebar);
    if (!m_lastFolder.isEmpty())
        startFolder = m_lastFolder;
    if (startFolder.isEmpty())
        startFolder = QDir::homePath();
    dialog.setDirectory(startFolder);
    if (!m_lastName.isEmpty())
        dialog.selectFile(m_lastName);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString chosen = dialog.selectedFiles().first();
    const QFileInfo info(chosen);
    m_lastFolder = info.absolutePath();
    m_lastName = info.fileName();
    m_fileName = WindowsPath::toWindows(prefix, chosen.toStdString());
    return true;
}

void BrowseDialog::setHook(Hook newHook)
{
    hook() = std::move(newHook);
}
