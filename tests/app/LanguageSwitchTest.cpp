#include "AppFixture.h"
#include "app/MainWindow.h"
#include "app/MessageBoxText.h"
#include "platform/Language.h"
#include "session/HelpTexts.h"

#include <QAction>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenu>

using namespace nimbrel;
using nimbrel::platform::Language;
using nimbrel::testing::AppFixture;

namespace {

struct LanguageSwitchTest : AppFixture {
    std::unique_ptr<app::MainWindow> window;
    std::vector<Language> saved;
    void SetUp() override {
        window = std::make_unique<app::MainWindow>(session, dispatcher);
        session.saveLanguage = [this](Language language) { saved.push_back(language); };
        startWithoutPort();
        window->render();
    }
    // Whatever a case did, the suite goes on in Russian.
    void TearDown() override { platform::useLanguage(Language::Russian); }
};

// The window in English from the help menu, and back in Russian: menus, titles, status texts
// and boxes follow at once, and the choice is kept.
TEST_F(LanguageSwitchTest, KeyTextsFollowTheLanguageChosen) {
    window->runCommand(121);
    dispatcher.dispatch(session::kCmdSettingsReport); // no port: the connection check
    ASSERT_EQ(dialogs.calls.size(), 1u);
    const struct {
        QString shown;
        const char* english;
    } texts[] = {
        {window->action(2)->text(), "OPEN COM PORT\t(Ctrl+C)"},
        {window->topMenu(session::kTopMark)->title(), "MARK"},
        {window->topMenu(session::kTopHelp)->actions().last()->text(), "Язык / Language"},
        {window->windowTitle().left(38), "'NIMBREL' for T2x/T7x/T9x  version 5.0"},
        {window->markSubWindow()->windowTitle(), "MARK TEXT\t(Ctrl+M)"},
        {window->markWindow()->status().text(0), "Mark: ..."},
        {window->graphicsWindow()->status().text(0), "Picture: ..."},
        {window->markWindow()->typeList()->itemText(5), "EAN Barcode"},
        {dialogs.calls[0].title, "ERROR"},
        {dialogs.calls[0].text, "No connection to the printer!\n\rTHE COM PORT HAS NOT BEEN "
                                "OPENED:\n\r'Functions' >> 'Connection' >> 'Open COM Port'"},
        {session::helpText(43).title, "KEYBOARD SHORTCUTS"},
        {app::buttonTexts(app::messageBoxLayout(platform::kYesNoCancel)).join(u'|'),
         "Yes|No|Cancel"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.shown, QString::fromUtf8(t.english));
    EXPECT_TRUE(window->action(121)->isChecked());
    EXPECT_FALSE(window->action(120)->isChecked());

    window->runCommand(120);
    EXPECT_EQ(window->action(2)->text(), QStringLiteral("ОТКРЫТЬ COM-ПОРТ\t(Ctrl+C)"));
    EXPECT_EQ(window->topMenu(session::kTopMark)->title(), QStringLiteral("МАРКА"));
    EXPECT_EQ(window->markSubWindow()->windowTitle(), QStringLiteral("ТЕКСТ МАРКИ\t(Ctrl+M)"));
    EXPECT_EQ(window->graphicsWindow()->status().text(0), QStringLiteral("Рисунок: ..."));
    EXPECT_TRUE(window->action(120)->isChecked());
    EXPECT_EQ(saved, (std::vector<Language>{Language::English, Language::Russian}));
}

} // namespace
