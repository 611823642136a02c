#include "HelpViewer.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Korrelin Help"));
    m_browser->setOpenExternalLinks(false);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(520, 480);
}

QString HelpViewer::pageOfContext(int context)
{
    switch (context) {
    case 1:
        return QStringLiteral("window.html");
    case 4:
        return QStringLiteral("homepage.html");
    case 5:
        return QStringLiteral("security.html");
    case 6:
        return QStringLiteral("about.html");
    case 7:
        return QStringLiteral("password.html");
    case 10:
        return QStringLiteral("actions.html");
    default:
        return QStringLiteral("index.html");
    }
}

void HelpViewer::showContents()
{
    showPage(QStringLiteral("index.html"));
}

void HelpViewer::showContext(int context)
{
    showPage(pageOfContext(context));
}

QString HelpViewer::currentPage() const
{
    return m_browser->source().toString();
}

void HelpViewer::quit()
{
    close();
}

void HelpViewer::showPage(const QString& page)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    show();
    raise();
}
