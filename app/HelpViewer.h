// The in-program help: pages from the resources, shown in a browser window of their own.
// Topics are reached by help context number (F1) or from the contents page.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // The page of a help context: 1 the main window, 4 the home page, 5 the security
    // type, 6 About, 7 the password, 10 the Actions menu; unknown contexts: contents.
    static QString pageOfContext(int context);

    void showContents();
    void showContext(int context);
    // The page currently shown (a qrc URL).
    QString currentPage() const;
    // The quit command: closes this application's help.
    void quit();

private:
    void showPage(const QString& page);

    QTextBrowser* m_browser;
};
