// Entry: korrelin [--prefix DIR] [--play FILE]
//
// Chooses and loads the store, creates the main window and the dialogs in their order,
// runs the show step and the message loop, and ends through the main window's destroy
// step. With --play a scenario player drives the same program.
#include "Application.h"
#include "DefaultStore.h"
#include "Messages.h"
#include "ScenarioPlayer.h"
#include "Store.h"
#include "Unit1.h"

#include "preferences/Unit9.h"
#include "security/Unit5.h"
#include "security/Unit6.h"
#include "security/Unit7.h"
#include "security/Unit8.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

struct Options {
    std::string prefix;
    QString play;
};

void usage()
{
    std::fputs("usage: korrelin [--prefix DIR] [--play FILE]\n", stderr);
}

// Reads --prefix and --play (also written --prefix=DIR); Qt's own options have been
// taken out by QApplication already.
std::optional<Options> parseOptions(const QStringList& arguments)
{
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString value;
        QString name = argument;
        if (const qsizetype equals = argument.indexOf(u'='); argument.startsWith(QLatin1String("--")) && equals > 0) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
        } else if (argument == QLatin1String("--prefix") || argument == QLatin1String("--play")) {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            value = arguments[++i];
        }
        if (value.isEmpty())
            return std::nullopt;
        if (name == QLatin1String("--prefix"))
            options.prefix = value.toStdString();
        else if (name == QLatin1String("--play"))
            options.play = value;
        else
            return std::nullopt;
    }
    return options;
}

bool hasHiveFiles(const std::filesystem::path& prefix)
{
    std::error_code error;
    return std::filesystem::exists(prefix / "system.reg", error) ||
           std::filesystem::exists(prefix / "user.reg", error);
}

QString heldByWineText()
{
    return QStringLiteral("The registry of this Wine prefix is in use by running Wine programs. "
                          "Changes cannot be saved until they end (wineserver -k).");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Application::title());
    QApplication::setApplicationDisplayName(Application::title());
    // The program ends when something asks it to terminate (Application), not when a
    // window happens to be the last one to close.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::optional<Options> options = parseOptions(QApplication::arguments());
    if (!options) {
        usage();
        return 2;
    }

    const std::filesystem::path prefix = Store::choosePrefix(options->prefix);
    const bool isDefaultStore = options->prefix.empty() && qEnvironmentVariableIsEmpty("WINEPREFIX");

    std::unique_ptr<ScenarioPlayer> player;
    if (!options->play.isEmpty()) {
        player = ScenarioPlayer::load(options->play, prefix);
        if (!player)
            return ScenarioPlayer::Unreadable;
        // Before anything can show a box: the boxes of the start belong to the scenario.
        player->installHooks();
    }

    // Only Korrelin's own store is seeded, and only while it holds no hive file yet; a
    // store someone named (--prefix, WINEPREFIX) or a scenario's store never is.
    if (isDefaultStore && !player && !hasHiveFiles(prefix)) {
        try {
            seedDefaultStore(prefix);
        } catch (const std::exception& error) {
            Application::showException(error);
        }
    }

    Store::setCurrent(std::make_shared<Store>(prefix));

    const auto endEarly = [&]() -> int {
        if (player)
            return player->finish();
        return 1;
    };

    if (player && !player->applyGivens())
        return endEarly();

    // A damaged hive file is named with its line, and the program ends before anything
    // could write over it.
    try {
        Store::current().check();
    } catch (const std::exception& error) {
        Application::showException(error);
        return endEarly();
    }
    if (Store::current().heldByWine())
        Messages::information(heldByWineText());

    // The constructor runs the create step and shows its exception itself.
    auto* form1 = new TForm1;
    auto* form5 = new TForm5;
    auto* form6 = new TForm6;
    auto* form7 = new TForm7;
    auto* form8 = new TForm8;
    auto* form9 = new TForm9;

    if (player)
        player->attach(form1, [form1] { form1->buildAllPanels(); });

    bool showFailed = false;
    try {
        form1->show();
        form1->FormShow();
    } catch (const std::exception& error) {
        // The show step runs outside the event dispatch: its exception ends the program.
        Application::showException(error);
        showFailed = true;
    }

    if (!showFailed && !Application::terminateRequested()) {
        if (player)
            player->enterMainLoop();
        app.exec();
    }

    // The destroy step runs when the main window goes (its destructor), then the dialogs
    // that lived as long as it.
    delete form1;
    delete form9;
    delete form8;
    delete form7;
    delete form6;
    delete form5;

    if (player)
        return player->finish();
    return showFailed ? 1 : 0;
}
