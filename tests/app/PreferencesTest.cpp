// Which lists the view preferences act on: "Auto" switches automatic arrangement on for
// ten lists but never for the Recycle Bin name's small list (ListView9), "Wrap" acts on
// all eleven. Not visible to a scenario, so checked on the widgets here.
#include "AppTestSupport.h"

#include "Store.h"
#include "TRegistry.h"
#include "Unit1.h"

#include <QTemporaryDir>

#include <map>
#include <memory>
#include <string>

namespace {

class PreferencesTest : public ::testing::Test {
protected:
    void start(const std::map<std::string, std::string>& stored)
    {
        // A fresh store for each start.
        storeDir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(storeDir->isValid());
        Store::setCurrent(std::make_shared<Store>(storeDir->path().toStdString()));
        write(stored);
        form = std::make_unique<TForm1>();
        form->show();
        form->FormShow();
    }

    static void write(const std::map<std::string, std::string>& values)
    {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        registry.OpenKey("SOFTWARE\\Korrelin", true);
        for (const auto& [name, text] : values)
            registry.WriteString(name, text);
        registry.CloseKey();
    }

    // "1" where the property holds, "0" where not, for ListView1 to ListView11 (ListView9
    // included); "-" for a list that does not exist. The small lists live in tweak
    // panels, which are built here if they were not yet.
    std::string pattern(bool (ListView::*property)() const) const
    {
        form->buildAllPanels();
        std::string result;
        for (int number = 1; number <= 11; ++number) {
            const auto* list = form->findChild<ListView*>(QStringLiteral("ListView%1").arg(number));
            result += list ? ((list->*property)() ? '1' : '0') : '-';
        }
        return result;
    }

    std::unique_ptr<QTemporaryDir> storeDir;
    BoxRecorder recorder;
    std::unique_ptr<TForm1> form;
};

TEST_F(PreferencesTest, StartReadsAutoAndWrapIntoTheRightLists)
{
    struct Case {
        const char* name;
        std::map<std::string, std::string> stored;
        const char* autoArranged; // ListView1 .. ListView11
        const char* wrapped;
    };
    const Case cases[] = {
        {"nothing stored", {}, "00000000000", "11111111111"},
        {"Auto Yes, Wrap No", {{"Auto", "Yes"}, {"Wrap", "No"}}, "11111111011", "00000000000"},
        {"texts of another case count as not set", {{"Auto", "yes"}, {"Wrap", "no"}},
         "00000000000", "11111111111"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start(c.stored);
        EXPECT_EQ(pattern(&ListView::autoArrange), c.autoArranged);
        EXPECT_EQ(pattern(&ListView::wrapText), c.wrapped);
        EXPECT_TRUE(recorder.boxes.empty());
        form.reset();
    }
}

TEST_F(PreferencesTest, ApplyViewOptionsWrapsAgainAndLeavesArrangementOn)
{
    // Panels built before the change take it; panels built after it adopt it.
    for (const bool panelsBuiltFirst : {true, false}) {
        SCOPED_TRACE(panelsBuiltFirst ? "panels built first" : "panels built after");
        start({{"Auto", "Yes"}, {"Wrap", "No"}});
        if (panelsBuiltFirst)
            form->buildAllPanels();
        write({{"Auto", "No"}, {"Wrap", "Yes"}, {"Nice", "Yes"}});
        form->ApplyViewOptions();
        EXPECT_EQ(pattern(&ListView::wrapText), "11111111111");
        // "No" does not switch arrangement off during the run; the next start begins
        // without it.
        EXPECT_EQ(pattern(&ListView::autoArrange), "11111111011");
        EXPECT_TRUE(form->ListView3->isVisible());
        form.reset();
    }
}

} // namespace
