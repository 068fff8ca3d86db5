// The window, its dialogs and the keys' lines in each language tollmere is
// translated into: the translation is embedded, menus keep one mnemonic per
// item, and no text of a dialog laid out in dialog units overflows its place.
#include "harness.h"

#include <shell/deckdialog.h>
#include <shell/mainframe.h>
#include <shell/recorddialog.h>
#include <shell/soldoc.h>
#include <textfit.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTranslator>

namespace tollmere::test {
namespace {

struct Language {
    const char* code;
    const char* helpTip;   // the Help button's tooltip
    const char* fourthPile; // Calculation's fourth pile, read by a reader
};

class InLanguage : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        const QString code = QString::fromLatin1(GetParam().code);
        if (code != u"en") {
            ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/tollmere_%1.qm").arg(code))) << "not embedded";
            QCoreApplication::installTranslator(&translator);
        }
        frame = std::make_unique<CMainFrame>(doc, dir.filePath("Tollmere.cfg"));
        frame->resize(800, 600);
        frame->StartUp();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        frame.reset();
        QCoreApplication::removeTranslator(&translator);
    }

    QTemporaryDir dir;
    QTranslator translator;
    CSolDoc doc;
    std::unique_ptr<CMainFrame> frame;
};

TEST_P(InLanguage, MenusToolbarsAndReaderLinesAreTranslated)
{
    std::vector<QAction*> titles;
    for (QAction* title : frame->menuBar()->actions()) {
        titles.push_back(title);
        EXPECT_TRUE(textfit::UniqueMnemonics(title->menu()->actions())) << title->text().toStdString();
    }
    EXPECT_TRUE(textfit::UniqueMnemonics(titles));
    EXPECT_EQ(frame->Command(command::Help)->toolTip(), QString::fromUtf8(GetParam().helpTip));
    EXPECT_EQ(tollmere::PileName(int(GameId::Calculation), 4), QString::fromUtf8(GetParam().fourthPile));
}

TEST_P(InLanguage, DialogTextsFitTheirPlaces)
{
    ConfigBlock& records = frame->View().Config();
    RecordDialog record(records, frame.get());
    EXPECT_TRUE(textfit::AllFit(record));
    WinDialog win(frame.get());
    EXPECT_TRUE(textfit::AllFit(win));
    DeckDialog deck(records, frame.get());
    EXPECT_TRUE(textfit::AllFit(deck));
}

INSTANTIATE_TEST_SUITE_P(Languages, InLanguage,
                         ::testing::Values(Language{"en", "Help", "Foundation 4"},
                                           Language{"de", "Hilfe", "Ablagestapel 4"},
                                           Language{"fr", "Aide", "Fondation 4"},
                                           Language{"es", "Ayuda", "Base 4"},
                                           Language{"it", "Aiuto", "Base 4"}),
                         [](const auto& info) { return std::string(info.param.code); });

} // namespace
} // namespace tollmere::test
