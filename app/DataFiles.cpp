#include "DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList DataFiles::searchFolders()
{
    QStringList folders{QDir::currentPath()};
    const QString overridden = qEnvironmentVariable("KORRELIN_DATA_DIR");
    if (!overridden.isEmpty()) {
        folders << overridden;
        return folders;
    }
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
#ifdef KORRELIN_DATADIR
    folders << QStringLiteral(KORRELIN_DATADIR);
#endif
    return folders;
}

QString DataFiles::find(const QString& name)
{
    for (const QString& folder : searchFolders()) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}
