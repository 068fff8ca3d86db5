// quenby in each language it ships: the window's texts come from the embedded
// translations, each menu's mnemonics are its own, and the texts of the
// dialog laid out in dialog units fit their controls.
#include <platform/accessibletable.h>
#include <table/deckdialog.h>
#include <table/mainframe.h>
#include <table/quenbydoc.h>

#include <gtest/gtest.h>
#include <textfit.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>
#include <ostream>
#include <vector>

using namespace quenby;

namespace {

struct Language {
    const char* code;
    const char* caption;
    const char* aceOfSpades;
};
void PrintTo(const Language& language, std::ostream* out) { *out << language.code; }

class Translated : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        // Both reach the program from the libraries its window is made in.
        for (const char* name : {"quenby", "platform"}) {
            auto translator = std::make_unique<QTranslator>();
            ASSERT_TRUE(translator->load(QStringLiteral(":/i18n/%1_%2.qm").arg(QLatin1String(name),
                                                                               QLatin1String(GetParam().code))))
                << name;
            QCoreApplication::installTranslator(translator.get());
            translators_.push_back(std::move(translator));
        }
    }

private:
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

TEST_P(Translated, MenusKeepOneMnemonicEach)
{
    QTemporaryDir config;
    CQuenbyDoc doc;
    CMainFrame frame(doc);
    frame.SettingsPath = config.filePath(QStringLiteral("Quenby.ini"));
    EXPECT_EQ(frame.windowTitle(), QString::fromUtf8(GetParam().caption));

    const QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_TRUE(textfit::UniqueMnemonics(menus));
    EXPECT_TRUE(textfit::EachHasMnemonic(menus));
    for (const QAction* menu : menus) {
        EXPECT_TRUE(textfit::UniqueMnemonics(menu->menu()->actions())) << menu->text().toStdString();
        EXPECT_TRUE(textfit::EachHasMnemonic(menu->menu()->actions())) << menu->text().toStdString();
    }
    // The keys stay those of every language.
    EXPECT_EQ(menus.back()->menu()->actions().front()->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_P(Translated, DeckDialogTextsFitTheirButtons)
{
    DeckDialog dialog(191, 0x008000, nullptr);
    const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 2);
    for (const QAbstractButton* button : buttons) {
        const QString text = QString(button->text()).remove(u'&');
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(text) + 2 * margin, button->width())
            << text.toStdString();
    }
    EXPECT_NE(dialog.windowTitle(), QStringLiteral("Decks"));
}

TEST_P(Translated, TheSharedLayerNamesCards)
{
    EXPECT_EQ(platform::CardName(1, platform::CardSuit::Spades), QString::fromUtf8(GetParam().aceOfSpades));
}

INSTANTIATE_TEST_SUITE_P(Languages, Translated,
                         ::testing::Values(Language{"de", "Willkommen - Quenby \u00A9 Tablewright", "Pik-Ass"},
                                           Language{"fr", "Bienvenue - Quenby \u00A9 Tablewright", "As de pique"},
                                           Language{"es", "Bienvenida - Quenby \u00A9 Tablewright", "As de picas"},
                                           Language{"it", "Benvenuto - Quenby \u00A9 Tablewright", "Asso di picche"}),
                         [](const auto& info) { return std::string(info.param.code); });

} // namespace
