// The window: its toolbars and their commands, the menu, the status bar, the
// document keys and the dialogs behind the tools.
#include "harness.h"

#include <shell/deckdialog.h>
#include <shell/mainframe.h>
#include <shell/recorddialog.h>
#include <shell/soldoc.h>
#include <platform/colour.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <density.h>

#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace tollmere::test {
namespace {

struct Window : ::testing::Test {
    Window()
    {
        platform::setFixedLocalTime(platform::LocalTime{12, 0, 0});
        frame = std::make_unique<CMainFrame>(doc, dir.filePath("Tollmere.cfg"));
        frame->resize(800, 600);
        frame->StartUp();
        QApplication::processEvents();
        View().ShowHelp = [this](int context) { help.push_back(context); };
    }
    ~Window() override
    {
        frame.reset();
        platform::setFixedLocalTime(std::nullopt);
    }
    CSolView& View() { return frame->View(); }
    // What the window shows of the table.
    QImage Shown() { return hidpi::WindowPicture(View()).copy(); }
    void Trigger(int id) { frame->Command(id)->trigger(); }
    QAction* Command(int id) { return frame->Command(id); }

    QTemporaryDir dir;
    platform::SoundRecorder sounds;
    CSolDoc doc;
    std::unique_ptr<CMainFrame> frame;
    std::vector<int> help;
};

std::vector<QString> Tooltips(QToolBar* bar)
{
    std::vector<QString> tips;
    for (QAction* action : bar->actions())
        tips.push_back(action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    return tips;
}

TEST_F(Window, HasTwoDockableToolbarsWithTheirPromptsAndAStatusBar)
{
    EXPECT_EQ(frame->windowTitle(), "Untitled - Tollmere");
    EXPECT_EQ(frame->toolBarArea(frame->GameToolBar()), Qt::TopToolBarArea);
    EXPECT_EQ(frame->toolBarArea(frame->ToolsToolBar()), Qt::LeftToolBarArea);
    EXPECT_EQ(Tooltips(frame->GameToolBar()),
              (std::vector<QString>{"Fortune's Favor", "Accordion", "Beleaguered Castle", "Calculation", "Quadrille",
                                    "Chameleon", "Four Seasons", "Queen's Audience", "|", "|", "Help", "About",
                                    "Exit"}));
    EXPECT_EQ(Tooltips(frame->ToolsToolBar()),
              (std::vector<QString>{"Open", "Save", "Color", "Decks", "Record", "Sound"}));
    EXPECT_EQ(frame->Command(32771)->statusTip(), "Play Beleaguered Castle");
    EXPECT_EQ(frame->Command(143)->statusTip(), "Open A Previously Saved Game");
    EXPECT_EQ(frame->Command(136)->statusTip(), "Quit Playing");
    for (QToolBar* bar : {frame->GameToolBar(), frame->ToolsToolBar()}) {
        EXPECT_TRUE(bar->isMovable());
        EXPECT_TRUE(bar->isFloatable());
        EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
    }
    EXPECT_EQ(frame->GameToolBar()->widgetForAction(frame->Command(102))->size(), QSize(38, 38));
    EXPECT_EQ(frame->GameToolBar()->iconSize(), QSize(31, 31));
    EXPECT_EQ(frame->ToolsToolBar()->widgetForAction(frame->Command(141))->size(), QSize(24, 24));
    // Each button shows its own picture from the strips.
    const QImage fortune = frame->Command(129)->icon().pixmap(31, 31).toImage();
    const QImage accordion = frame->Command(122)->icon().pixmap(31, 31).toImage();
    EXPECT_NE(fortune, accordion);
    EXPECT_EQ(fortune.convertToFormat(QImage::Format_RGB32), LoadImage(223));
    // The lock keys are all off offscreen: the panes are there, unlit.
    for (int pane = 0; pane < 3; ++pane)
        EXPECT_EQ(frame->Indicator(pane)->text(), "");
    EXPECT_EQ(frame->Indicator(2)->objectName(), "SCRL");

    // The menu's Toolbar item hides the top toolbar only.
    frame->ToolbarMenuItem()->trigger();
    EXPECT_FALSE(frame->GameToolBar()->isVisible());
    EXPECT_TRUE(frame->ToolsToolBar()->isVisible());
    EXPECT_FALSE(frame->ToolbarMenuItem()->isChecked());
    frame->ToolbarMenuItem()->trigger();
    EXPECT_TRUE(frame->GameToolBar()->isVisible());
    frame->StatusBarMenuItem()->trigger();
    EXPECT_FALSE(frame->statusBar()->isVisible());
}

TEST_F(Window, GameButtonsDealAndCountAboutAndHelpDoNot)
{
    Trigger(102);
    Trigger(102);
    EXPECT_EQ(View().Table().GameId, 102);
    EXPECT_EQ(View().Config().Played[3], 2);
    EXPECT_EQ(sounds.names().count("SHUFFLE.WAV"), 2);
    Trigger(command::Help);
    Trigger(32771);
    Trigger(command::Help);
    Trigger(command::About);
    EXPECT_EQ(View().Table().GameId, 101);
    Trigger(command::Help);
    EXPECT_EQ(help, (std::vector<int>{100, 300, 0}));
    EXPECT_EQ(View().Config().TotalPlayed(), 3);
    // Sound, from the toolbar or the menu, silences every sound at once.
    Trigger(command::Sound);
    sounds.clear();
    Trigger(130);
    EXPECT_TRUE(sounds.names().isEmpty());
    Trigger(command::Sound);
    Trigger(130);
    EXPECT_EQ(sounds.names(), QStringList{"SHUFFLE.WAV"});
}

TEST_F(Window, DocumentKeysOpenAndSaveGamesAndNewRebuildsTheTable)
{
    Trigger(102);
    int opened = 0, saved = 0;
    View().AskOpenPath = [&] { ++opened; return QString(); };
    View().AskSavePath = [&] { ++saved; return dir.filePath("keys.Sol"); };
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(QFileInfo(dir.filePath("keys.Sol")).size(), 16 * 53) << "Ctrl+S saves the game, not an empty file";
    const std::vector<CardId> stock = CardsOf(View().Table().Frame()->At(0));
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(View().Table().GameId, 102);
    EXPECT_EQ(CardsOf(View().Table().Frame()->At(0)), stock) << "the game stays";
    EXPECT_EQ(frame->windowTitle(), "Untitled - Tollmere");
    EXPECT_EQ(View().Config().Played[3], 1);
}

TEST_F(Window, ColourAndDecksRepaintTheTable)
{
    Trigger(102);
    View().AskColour = [](platform::ColorRef& colour, platform::CustomColours& custom) {
        custom[3] = 0x00010203; // the dialog keeps its custom colours either way
        colour = 0x00204080;
        return true;
    };
    Trigger(command::Color);
    EXPECT_EQ(View().Config().TableColour, 0x00204080u);
    EXPECT_EQ(View().Config().CustomColours[3], 0x00010203u);
    EXPECT_EQ(Shown().pixel(2, 2), qRgb(0x80, 0x40, 0x20));
    View().AskColour = [](platform::ColorRef& colour, platform::CustomColours&) {
        colour = 0;
        return false;
    };
    Trigger(command::Color);
    EXPECT_EQ(View().Config().TableColour, 0x00204080u);

    View().AskDeck = [this] { View().Config().CardBackId = 219; };
    Trigger(command::Decks);
    const Pile& stock = View().Table().Frame()->At(0);
    EXPECT_EQ(Shown().copy(stock.X, stock.Y, 71, 96), LoadImage(219));
}

TEST(DeckDialog, OffersNineBacksAndKeepsTheOldOneOnCancel)
{
    ConfigBlock config;
    config.CardBackId = 215;
    {
        DeckDialog dialog(config);
        EXPECT_EQ(dialog.windowTitle(), "Select A Deck");
        ASSERT_EQ(dialog.List()->count(), 9);
        EXPECT_EQ(dialog.SelectedBack(), 215);
        dialog.List()->item(8)->setSelected(true);
        dialog.reject();
        EXPECT_EQ(config.CardBackId, 215);
    }
    {
        DeckDialog dialog(config);
        dialog.show();
        QApplication::processEvents();
        // The chosen back framed 5 pixels inside its cell, the others not.
        const QImage list = dialog.List()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect chosen = dialog.List()->visualItemRect(dialog.List()->item(4));
        const QRect other = dialog.List()->visualItemRect(dialog.List()->item(0));
        EXPECT_EQ(chosen.size(), QSize(91, 116));
        EXPECT_EQ(list.pixel(chosen.topLeft() + QPoint(5, 50)), qRgb(0, 0, 0));
        EXPECT_EQ(list.pixel(other.topLeft() + QPoint(5, 50)), qRgb(0, 64, 64));
        EXPECT_EQ(list.copy(QRect(other.topLeft() + QPoint(10, 10), QSize(71, 96))), LoadImage(195));
        QTest::mouseClick(dialog.List()->viewport(), Qt::LeftButton, {}, other.center());
        QTest::mouseDClick(dialog.List()->viewport(), Qt::LeftButton, {}, other.center());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(config.CardBackId, 195);
    }
    config.CardBackId = 4242;
    DeckDialog unknown(config);
    EXPECT_EQ(unknown.SelectedBack(), 0);
    unknown.accept();
    EXPECT_EQ(config.CardBackId, 4242) << "OK with nothing selected keeps the back";
}

QString Read(QWidget* widget, QAccessible::Text text = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

TEST_F(Window, AReaderHearsEveryWidgetAndTheKeysMovesInTheStatusBar)
{
    for (QToolBar* bar : {frame->GameToolBar(), frame->ToolsToolBar()})
        for (QAction* action : bar->actions())
            if (!action->isSeparator()) {
                EXPECT_EQ(Read(bar->widgetForAction(action)), action->toolTip());
                EXPECT_EQ(Read(bar->widgetForAction(action), QAccessible::Description), action->statusTip());
            }

    QLabel& message = *frame->Message();
    Trigger(int(GameId::Calculation));
    ASSERT_TRUE(View().hasFocus());
    QTest::keyClick(&View(), Qt::Key_Right);
    QTest::keyClick(&View(), Qt::Key_Space);
    EXPECT_TRUE(message.text().endsWith(" lifted from Stock")) << message.text().toStdString();
    EXPECT_EQ(Read(&message), message.text());
    Trigger(int(GameId::Calculation));
    EXPECT_EQ(message.text(), "Ready");

    // From the keys alone: F6 to the game toolbar, Tab along it, Space deals
    // and the table has the keys again.
    QTest::keyClick(frame.get(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), frame->GameToolBar()->widgetForAction(Command(129)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(View().Table().GameId, int(GameId::Accordion));
    EXPECT_TRUE(View().hasFocus());
    QTest::keyClick(frame.get(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), frame->ToolsToolBar()->widgetForAction(Command(command::Open)));

    ConfigBlock records;
    records.Played[3] = 3;
    records.Won[3] = 1;
    RecordDialog record(records);
    const auto row = [&](int i) { return record.List()->item(i)->data(Qt::AccessibleTextRole).toString(); };
    EXPECT_EQ(row(3), "Calculation: played 3, won 1");
    record.ResetButton()->click();
    EXPECT_EQ(row(3), "Calculation: played 0, won 0");
    EXPECT_EQ(row(0), "Fortune's Favor: played 0, won 0");

    DeckDialog decks(records);
    EXPECT_EQ(decks.List()->item(2)->data(Qt::AccessibleTextRole).toString(), "Card back 3 of 9");

    // The colour dialog's drawn parts have names too.
    QStringList unnamed;
    QTimer::singleShot(0, [&unnamed] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (const char* part : {"QColorPicker", "QColorLuminancePicker", "QColorShowLabel"})
            for (QWidget* widget : dialog->findChildren<QWidget*>())
                if (widget->inherits(part) && Read(widget).isEmpty())
                    unnamed << QString::fromLatin1(part);
        dialog->reject();
    });
    platform::ColorRef colour = 0;
    platform::CustomColours custom{};
    platform::chooseColour(frame.get(), colour, custom);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

} // namespace
} // namespace tollmere::test
