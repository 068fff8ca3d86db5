// The window of quenby: its menus, start-up with the settings file, choosing
// games, the options, the document keys and the settings written at the end.
#include <platform/localtime.h>
#include <platform/sound.h>
#include <table/mainframe.h>
#include <table/quenbydoc.h>
#include <table/quenbyview.h>
#include <table/settings.h>

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QFileInfo>
#include <QStatusBar>
#include <QToolBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quenby;

namespace {

QString Caption(const char* title)
{
    return QString::fromUtf8(title) + QStringLiteral(" - Quenby \u00A9 Tablewright");
}

// A started program: document, window and view, with its settings file in a
// temporary folder, a pinned clock and sounds recorded instead of played.
class App : public ::testing::Test {
protected:
    void SetUp() override { platform::setFixedLocalTime(platform::LocalTime{9, 30, 15}); }
    void TearDown() override
    {
        frame.reset();
        doc.reset();
        platform::setFixedLocalTime(std::nullopt);
    }

    QString iniPath() const { return config.filePath(QStringLiteral("Quenby.ini")); }
    void writeIni(const QByteArray& text)
    {
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray readIni() const
    {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    void start()
    {
        doc = std::make_unique<CQuenbyDoc>();
        frame = std::make_unique<CMainFrame>(*doc);
        frame->SettingsPath = iniPath();
        frame->StartUp();
        frame->resize(800, 640);
        QApplication::processEvents();
    }
    // Closing the window: the view goes and the settings are written.
    void quit()
    {
        frame.reset();
        doc.reset();
    }

    TableState& table() { return doc->Table(); }
    CQuenbyView& view() { return frame->View(); }
    QMenu* menu(int i) { return frame->menuBar()->actions().at(i)->menu(); }
    QRgb viewPixel(int x, int y) { return view().grab().toImage().pixel(x, y); }
    std::vector<GameId> checkedGames()
    {
        std::vector<GameId> checked;
        for (QAction* a : menu(0)->actions())
            for (GameId id : {GameId::AuldLangSyne, GameId::Canfield, GameId::MagicCarpet, GameId::FlowerGarden,
                              GameId::Klondike, GameId::LittleSpider, GameId::Osmosis, GameId::GranniesClock})
                if (a == frame->GameAction(id) && a->isChecked())
                    checked.push_back(id);
        return checked;
    }
    void choose(GameId id) { frame->GameAction(id)->trigger(); }
    void clickStock()
    {
        const Rect r = table().GameTable.Stock.GetRect();
        QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }

    QTemporaryDir config;
    platform::SoundRecorder sounds;
    std::unique_ptr<CQuenbyDoc> doc;
    std::unique_ptr<CMainFrame> frame;
};

QStringList Texts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

TEST_F(App, MenusHoldTheirItemsInOrderWithMnemonicsSeparatorsAndCheckMarks)
{
    start();
    const QList<QAction*> bar = frame->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&Play"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Options"));
    EXPECT_EQ(bar[2]->text(), QStringLiteral("&Help"));
    EXPECT_EQ(Texts(menu(0)), (QStringList{"&Auld Lang Syne", "&Canfield", "&Flower Garden", "&Grannies Clock",
                                           "&Klondike", "&Little Spider", "&Magic Carpet", "&Osmosis", "-", "E&xit"}));
    EXPECT_EQ(Texts(menu(1)), (QStringList{"&Decks", "&Background Color", "&Sound"}));
    EXPECT_EQ(Texts(menu(2)), (QStringList{"&Contents", "-", "&About Quenby..."}));
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(menu(0)->actions()[i]->isCheckable()) << i;
    EXPECT_TRUE(frame->SoundAction()->isChecked());
    EXPECT_FALSE(menu(1)->actions()[0]->isCheckable());
    EXPECT_EQ(frame->findChildren<QToolBar*>().size(), 0);
    EXPECT_EQ(frame->findChild<QStatusBar*>(), nullptr);
}

TEST_F(App, OnlyTheCheckedGameShowsAMarkAndF1OpensTheContents)
{
    start();
    choose(GameId::Klondike);
    QMenu* play = menu(0);
    play->popup(QPoint(0, 0));
    QApplication::processEvents();
    const QImage shown = play->grab().toImage();
    // The mark's column: the left of the item row, before its text.
    auto markColumn = [&](GameId id) {
        const QRect row = play->actionGeometry(frame->GameAction(id));
        return shown.copy(row.left() + 2, row.top() + 2, 16, row.height() - 4);
    };
    auto plain = [](const QImage& area) {
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                if (area.pixel(x, y) != area.pixel(0, 0))
                    return false;
        return true;
    };
    EXPECT_FALSE(plain(markColumn(GameId::Klondike)));
    for (GameId id : {GameId::AuldLangSyne, GameId::Canfield, GameId::Osmosis, GameId::GranniesClock})
        EXPECT_TRUE(plain(markColumn(id))) << "an empty box beside game " << int(id);
    play->hide();
    frame->CheckGame(0);
    EXPECT_EQ(checkedGames(), std::vector<GameId>{});

    EXPECT_EQ(menu(2)->actions()[0]->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(App, OpensLargeEnoughForEveryGameAndNeverShrinksBelowIt)
{
    // The offscreen screen is 800 by 600: three quarters of it is too small.
    doc = std::make_unique<CQuenbyDoc>();
    frame = std::make_unique<CMainFrame>(*doc);
    frame->SettingsPath = iniPath();
    frame->StartUp();
    QApplication::processEvents();
    EXPECT_GE(view().width(), MinimumTableSize.width());
    EXPECT_GE(view().height(), MinimumTableSize.height());
    frame->resize(100, 100);
    QApplication::processEvents();
    ASSERT_EQ(view().size(), MinimumTableSize);
    for (GameId id : {GameId::AuldLangSyne, GameId::Canfield, GameId::MagicCarpet, GameId::FlowerGarden,
                      GameId::Klondike, GameId::LittleSpider, GameId::Osmosis, GameId::GranniesClock}) {
        choose(id);
        const Rect client = table().ClientRect();
        for (const Pile* pile : table().GameTable.Piles)
            EXPECT_EQ(pile->GetRect().Intersected(client), pile->GetRect()) << "game " << int(id);
        const Rect stock = table().GameTable.Stock.GetRect();
        if (!stock.IsEmpty()) {
            EXPECT_EQ(stock.Intersected(client), stock) << "game " << int(id);
        }
    }
}

TEST_F(App, StartsOnTheTurningCarouselWithGranniesClockCheckedWhenThereIsNoFile)
{
    start();
    EXPECT_EQ(frame->windowTitle(), Caption("Welcome"));
    EXPECT_EQ(table().GameTable.GameId, GameId::None);
    EXPECT_EQ(table().PaintList.Count(), 52);
    EXPECT_EQ(table().TableColour, 0x800080u);
    EXPECT_EQ(table().CardBackId, 191);
    EXPECT_EQ(view().CustomColours, DefaultCustomColours());
    EXPECT_EQ(checkedGames(), std::vector<GameId>{GameId::GranniesClock});
    EXPECT_TRUE(view().TimerRunning());
    EXPECT_EQ(view().TimerWanted(), 1);
    EXPECT_EQ(viewPixel(1, 1), qRgb(0x80, 0x00, 0x80));
}

TEST_F(App, StartsWithTheStoredColoursBackAndCheckedGame)
{
    writeIni("[SETTINGS]\nCOLOR=16777215\nCUSTCOLOR4=255\nCARD=183\nGAME=500\n");
    start();
    EXPECT_EQ(table().TableColour, 0xFFFFFFu);
    EXPECT_EQ(viewPixel(1, 1), qRgb(255, 255, 255)); // a white table
    EXPECT_EQ(view().CustomColours[4], 255u);
    EXPECT_EQ(table().CardBackId, 183);
    EXPECT_EQ(checkedGames(), std::vector<GameId>{GameId::Klondike});
    EXPECT_EQ(table().GameTable.GameId, GameId::None); // checked, not dealt
}

TEST_F(App, UnknownGameOrBackInTheFileChecksNothingAndKeepsBack191)
{
    writeIni("[SETTINGS]\nCARD=170\nGAME=450\nCOLOR=teal\n");
    start();
    EXPECT_TRUE(checkedGames().empty());
    EXPECT_EQ(table().CardBackId, 191);
    EXPECT_EQ(viewPixel(1, 1), qRgb(0, 0, 0)); // not a number: black
}

TEST_F(App, ChoosingAGameSetsTheCaptionAndTheOnlyCheckMarkAndStopsTheCarousel)
{
    start();
    choose(GameId::Canfield);
    EXPECT_EQ(frame->windowTitle(), Caption("Canfield"));
    EXPECT_EQ(checkedGames(), std::vector<GameId>{GameId::Canfield});
    EXPECT_EQ(table().GameTable.GameId, GameId::Canfield);
    EXPECT_FALSE(view().TimerRunning());
    EXPECT_EQ(view().TimerWanted(), 0);

    choose(GameId::Osmosis);
    EXPECT_EQ(frame->windowTitle(), Caption("Osmosis"));
    EXPECT_EQ(checkedGames(), std::vector<GameId>{GameId::Osmosis});
    EXPECT_TRUE(sounds.names().contains(QStringLiteral("SHUFFLE.WAV")));
}

TEST_F(App, ChoosingTheGameInPlayAgainDealsItAnew)
{
    start();
    choose(GameId::Klondike);
    Pile* waste = table().GameTable.Piles.Last();
    clickStock();
    clickStock();
    ASSERT_EQ(waste->Count(), 2);
    ASSERT_EQ(table().GameTable.Stock.Count(), 22);

    choose(GameId::Klondike);
    EXPECT_EQ(checkedGames(), std::vector<GameId>{GameId::Klondike});
    EXPECT_EQ(table().GameTable.Stock.Count(), 24);
    EXPECT_EQ(table().GameTable.Piles.Last()->Count(), 0);
    EXPECT_EQ(table().GameTable.Piles.Count(), 12);
    EXPECT_EQ(sounds.names().count(QStringLiteral("SHUFFLE.WAV")), 2);
}

TEST_F(App, CancelledColourDialogKeepsTheTableButKeepsChangedCustomColours)
{
    start();
    frame->AskColour = [](QWidget*, platform::ColorRef& colour, platform::CustomColours& custom) {
        EXPECT_EQ(colour, 0x800080u); // opened at the table colour
        custom[7] = 0x00FF00;
        colour = 0x0000FF;
        return false;
    };
    frame->ChooseBackgroundColour();
    EXPECT_EQ(table().TableColour, 0x800080u);
    EXPECT_EQ(view().CustomColours[7], 0x00FF00u);
    EXPECT_EQ(viewPixel(1, 1), qRgb(0x80, 0x00, 0x80));

    frame->AskColour = [](QWidget*, platform::ColorRef& colour, platform::CustomColours&) {
        colour = 0x0000FF; // red, as 0x00BBGGRR
        return true;
    };
    frame->ChooseBackgroundColour();
    EXPECT_EQ(table().TableColour, 0x0000FFu);
    EXPECT_EQ(viewPixel(1, 1), qRgb(255, 0, 0));

    quit();
    const Settings saved = ReadSettings(iniPath(), Settings{});
    EXPECT_EQ(saved.TableColour, 0x0000FFu);
    EXPECT_EQ(saved.CustomColours[7], 0x00FF00u);
}

TEST_F(App, SoundTogglesItsCheckMarkAndIsNeverSaved)
{
    start();
    frame->SoundAction()->trigger();
    EXPECT_EQ(table().SoundOn, 0);
    EXPECT_FALSE(frame->SoundAction()->isChecked());
    sounds.clear();
    choose(GameId::Klondike);
    EXPECT_TRUE(sounds.names().isEmpty());
    quit();
    EXPECT_FALSE(readIni().contains("SOUND"));

    start();
    EXPECT_EQ(table().SoundOn, 1);
    EXPECT_TRUE(frame->SoundAction()->isChecked());
    frame->SoundAction()->trigger();
    frame->SoundAction()->trigger();
    EXPECT_EQ(table().SoundOn, 1);
    EXPECT_TRUE(frame->SoundAction()->isChecked());
}

TEST_F(App, QuittingFromTheStartUpTableWritesEveryKeyButGame)
{
    start();
    quit();
    EXPECT_EQ(readIni(), QByteArray("[SETTINGS]\nCOLOR=8388736\nCUSTCOLOR0=0\nCUSTCOLOR1=1052688\n"
                                    "CUSTCOLOR2=2105376\nCUSTCOLOR3=3158064\nCUSTCOLOR4=4210752\n"
                                    "CUSTCOLOR5=5263440\nCUSTCOLOR6=6316128\nCUSTCOLOR7=7368816\n"
                                    "CUSTCOLOR8=8421504\nCUSTCOLOR9=9474192\nCUSTCOLOR10=10526880\n"
                                    "CUSTCOLOR11=11579568\nCUSTCOLOR12=12632256\nCUSTCOLOR13=13684944\n"
                                    "CUSTCOLOR14=14737632\nCUSTCOLOR15=15790320\nCARD=191\n"));
}

TEST_F(App, TheLastGameDealtIsSavedAndCheckedAtTheNextStart)
{
    writeIni("[SETTINGS]\nGAME=300\n");
    start();
    quit();
    EXPECT_TRUE(readIni().contains("GAME=300\n")); // kept: nothing dealt

    start();
    EXPECT_EQ(checkedGames(), std::vector<GameId>{GameId::MagicCarpet});
    choose(GameId::LittleSpider);
    choose(GameId::Klondike);
    quit();
    EXPECT_TRUE(readIni().contains("GAME=500\n"));

    start();
    EXPECT_EQ(checkedGames(), std::vector<GameId>{GameId::Klondike});
}

TEST_F(App, NewDocumentKeepsTheGameButSetsTheCardsTurning)
{
    start();
    choose(GameId::Klondike);
    clickStock();
    const int wasteCount = table().GameTable.Piles.Last()->Count();
    ASSERT_FALSE(view().TimerRunning());

    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(table().GameTable.GameId, GameId::Klondike);
    EXPECT_EQ(table().GameTable.Piles.Last()->Count(), wasteCount);
    EXPECT_TRUE(view().TimerRunning());
    EXPECT_EQ(view().TimerWanted(), 1);
    EXPECT_EQ(frame->windowTitle(), Caption("Welcome"));
    EXPECT_EQ(checkedGames(), std::vector<GameId>{GameId::Klondike});
}

TEST_F(App, OpenReadsNothingAndSaveWritesAnEmptyFile)
{
    start();
    choose(GameId::Klondike);
    QTemporaryDir files;
    const QString opened = files.filePath(QStringLiteral("old.sol"));
    {
        QFile f(opened);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("anything at all");
    }
    frame->AskOpenFileName = [&] { return opened; };
    frame->OpenDocument();
    EXPECT_EQ(frame->windowTitle(), Caption("old.sol"));
    EXPECT_EQ(table().GameTable.GameId, GameId::Klondike);
    EXPECT_TRUE(view().TimerRunning());

    const QString saved = files.filePath(QStringLiteral("kept.qby"));
    {
        QFile f(saved);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old contents");
    }
    frame->AskSaveFileName = [&] { return saved; };
    frame->SaveDocument();
    EXPECT_EQ(QFileInfo(saved).size(), 0);
    EXPECT_EQ(frame->windowTitle(), Caption("kept.qby"));

    // Cancelled dialogs change nothing.
    frame->AskOpenFileName = [] { return QString(); };
    frame->AskSaveFileName = [] { return QString(); };
    frame->OpenDocument();
    frame->SaveDocument();
    EXPECT_EQ(frame->windowTitle(), Caption("kept.qby"));
    // A file that cannot be opened is not taken either.
    frame->AskOpenFileName = [&] { return files.filePath(QStringLiteral("missing")); };
    frame->OpenDocument();
    EXPECT_EQ(frame->windowTitle(), Caption("kept.qby"));
}

TEST_F(App, LosingAndRegainingTheWindowStopsAndResumesTheCarousel)
{
    start();
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&view(), &deactivate);
    EXPECT_FALSE(view().TimerRunning());
    EXPECT_EQ(view().TimerWanted(), 1);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&view(), &activate);
    EXPECT_TRUE(view().TimerRunning());

    choose(GameId::Klondike);
    QApplication::sendEvent(&view(), &deactivate);
    QApplication::sendEvent(&view(), &activate);
    EXPECT_FALSE(view().TimerRunning()); // a game in play stays still
}
