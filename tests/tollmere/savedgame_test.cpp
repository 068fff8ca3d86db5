// Saved games: the file of a dealt game byte for byte, reopening it exactly,
// and what short, foreign, damaged and hostile files do; the names typed into
// the Save Game and Open Game dialogs.
#include "harness.h"

#include <shell/savedgame.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tollmere::test {
namespace {

QByteArray Record(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d)
{
    QByteArray bytes;
    for (std::int32_t word : {a, b, c, d}) {
        char le[4];
        qToLittleEndian(word, le);
        bytes.append(le, 4);
    }
    return bytes;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What the table holds, pile by pile: identities and faces.
struct Position {
    int GameId;
    std::vector<std::vector<std::pair<CardId, int>>> Piles;
    bool operator==(const Position&) const = default;
};

Position PositionOf(Harness& h)
{
    Position position{h.Table().GameId, {}};
    for (const auto& pile : h.Frame().Piles) {
        position.Piles.emplace_back();
        for (const Card* card : pile->Cards)
            position.Piles.back().push_back({IdOf(*card), card->FaceUp});
    }
    return position;
}

TEST(SavedGame, ADealtCalculationIsSavedByteForByte)
{
    Harness h;
    h.Start(GameId::Calculation);
    const std::vector<CardId> order = FirstDeal();
    // The bases are the first Ace, Two, Three and Four; the stock keeps the
    // rest in deck order, face down.
    std::vector<CardId> bases;
    for (int r : {rank::Ace, rank::Two, rank::Three, rank::Four})
        bases.push_back(*std::find_if(order.begin(), order.end(), [&](const CardId& id) { return id.first == r; }));
    QByteArray expected = Record(102, 0, 0, 0);
    for (const CardId& id : order)
        if (std::find(bases.begin(), bases.end(), id) == bases.end())
            expected += Record(0, id.first, id.second, 0);
    for (int i = 0; i < 4; ++i)
        expected += Record(1 + i, bases[std::size_t(i)].first, bases[std::size_t(i)].second, 1);

    const QString path = h.Path("calculation.Sol");
    ASSERT_TRUE(h.View().SaveGameTo(path));
    EXPECT_EQ(ReadAll(path), expected);
    EXPECT_EQ(ReadAll(path).size(), 16 * 53);
}

TEST(SavedGame, ADealtBeleagueredCastleIsSavedByteForByte)
{
    Harness h;
    h.Start(GameId::BeleagueredCastle);
    QByteArray expected = Record(32771, 0, 0, 0);
    for (int index = 0; index < 12; ++index)
        for (const Card* card : h.PileAt(index).Cards)
            expected += Record(index, card->RankCode, card->SuitCode, 1);
    const std::vector<CardId> order = FirstDeal();
    EXPECT_EQ(CardsOf(h.PileAt(0)), std::vector<CardId>(order.begin(), order.begin() + 6))
        << "the first row has the first six cards, when none is an Ace";
    const QString path = h.Path("castle.Sol");
    ASSERT_TRUE(h.View().SaveGameTo(path));
    EXPECT_EQ(ReadAll(path), expected);
}

TEST(SavedGame, ReopensExactlyAndSavesTheSameBytesAgain)
{
    Harness h;
    h.Start(GameId::BeleagueredCastle);
    // A position reached by play: runs moved about, a row emptied.
    DragOnto(h, *h.PileAt(0).Cards[2], Into(*h.PileAt(0).Cards[2], 5, 40), h.PileAt(4));
    DragOnto(h, *h.PileAt(0).Cards[0], Into(*h.PileAt(0).Cards[0], 5, 40), h.PileAt(11));
    const Position before = PositionOf(h);
    const QString first = h.Path("first.Sol");
    ASSERT_TRUE(h.View().SaveGameTo(first));

    h.Start(GameId::Calculation);
    const int played = h.Config().Played[2];
    h.ClearSounds();
    ASSERT_TRUE(h.View().LoadGame(first));
    EXPECT_EQ(PositionOf(h), before);
    EXPECT_EQ(h.Config().Played[2], played + 1) << "reopening counts as playing";
    EXPECT_EQ(h.Sounds(), (QStringList{"SHUFFLE.WAV", "SHUFFLE.WAV"}));
    EXPECT_TRUE(h.Invariants());
    // Later piles paint over earlier ones, each from its bottom card up.
    std::vector<CardId> painted;
    for (const auto& card : h.Deck().Cards)
        painted.push_back(IdOf(*card));
    std::vector<CardId> pileOrder;
    for (const auto& pile : h.Frame().Piles)
        for (const CardId& id : CardsOf(*pile))
            pileOrder.push_back(id);
    EXPECT_EQ(painted, pileOrder);
    // Every pile fits what it holds now: the emptied row is one card place.
    EXPECT_EQ(h.PileAt(0).Bounds, Rect::At(h.PileAt(0).X, h.PileAt(0).Y, 71, 96));
    EXPECT_EQ(h.PileAt(11).Bounds.Width(), 71 + 15 * 7);
    EXPECT_TRUE(h.RepaintedWhole());

    const QString second = h.Path("second.Sol");
    ASSERT_TRUE(h.View().SaveGameTo(second));
    EXPECT_EQ(ReadAll(second), ReadAll(first));
    // The reopened game is won like any other.
    EXPECT_EQ(h.Table().Won, 0);
}

TEST(SavedGame, ShortForeignAndHostileFilesChangeNothing)
{
    Harness h;
    h.Start(GameId::Calculation);
    const Position before = PositionOf(h);
    const ConfigBlock records = h.Config();
    const QString pipe = h.Path("pipe.Sol");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(h.Path("folder.Sol")));
    const std::pair<const char*, QByteArray> files[] = {
        {"empty.Sol", {}},
        {"short.Sol", Record(102, 0, 0, 0).left(15)},
        {"title.Sol", Record(101, 0, 0, 0)},
        {"unknown.Sol", Record(999, 0, 0, 0) + Record(0, 103, 116, 1)},
        {"negative.Sol", Record(-102, 0, 0, 0)},
    };
    for (const auto& [name, bytes] : files) {
        WriteAll(h.Path(name), bytes);
        EXPECT_FALSE(h.View().LoadGame(h.Path(name))) << name;
    }
    EXPECT_FALSE(h.View().LoadGame(pipe));
    EXPECT_FALSE(h.View().LoadGame(h.Path("folder.Sol")));
    EXPECT_FALSE(h.View().LoadGame(h.Path("missing.Sol")));
    EXPECT_EQ(PositionOf(h), before);
    EXPECT_EQ(h.Config(), records);
}

TEST(SavedGame, RecordsAreTakenSafelyWhateverTheyName)
{
    Harness h;
    // A header alone: the game with every pile empty, counted, never won.
    WriteAll(h.Path("header.Sol"), Record(102, 5, 77, 88));
    ASSERT_TRUE(h.View().LoadGame(h.Path("header.Sol")));
    EXPECT_EQ(h.Table().GameId, 102);
    EXPECT_EQ(h.Config().Played[3], 1);
    for (const auto& pile : h.Frame().Piles)
        EXPECT_TRUE(pile->IsEmpty());
    h.Click({400, 300});
    EXPECT_EQ(h.Wins(), 0) << "a table without its cards is not won";
    for (const auto& card : h.Deck().Cards)
        EXPECT_TRUE(card->Bounds.IsEmpty());
    EXPECT_TRUE(h.RepaintedWhole());

    // A card named twice moves; records naming no pile or no card are left
    // out; a cut-off last record is left out.
    QByteArray bytes = Record(133, 9, 0, 0);       // Quadrille, nine redeals claimed
    bytes += Record(10, rank::Queen, suit::Hearts, 1);
    bytes += Record(3, rank::Two, suit::Clubs, 0);
    bytes += Record(12, rank::Queen, suit::Hearts, 1); // again: moves to pile 12
    bytes += Record(14, rank::Ace, suit::Spades, 1);   // no pile 14
    bytes += Record(-1, rank::Ace, suit::Spades, 1);
    bytes += Record(2, 102, suit::Spades, 1);          // no such rank
    bytes += Record(2, rank::Ace, 120, 1);             // no such suit
    bytes += Record(5, rank::King, suit::Diamonds, 7).left(12);
    WriteAll(h.Path("odd.Sol"), bytes);
    ASSERT_TRUE(h.View().LoadGame(h.Path("odd.Sol")));
    EXPECT_EQ(h.Table().TurnCount(), 2) << "as many redeals as the game has, no more";
    EXPECT_TRUE(h.PileAt(10).IsEmpty());
    EXPECT_EQ(CardsOf(h.PileAt(12)), (std::vector<CardId>{{rank::Queen, suit::Hearts}}));
    EXPECT_EQ(CardsOf(h.PileAt(3)), (std::vector<CardId>{{rank::Two, suit::Clubs}}));
    EXPECT_EQ(h.PileAt(3).Top()->FaceUp, 0);
    EXPECT_TRUE(h.PileAt(5).IsEmpty());
    EXPECT_TRUE(h.Invariants());
    EXPECT_TRUE(h.RepaintedWhole());

    WriteAll(h.Path("negative.Sol"), Record(129, -4, 0, 0));
    ASSERT_TRUE(h.View().LoadGame(h.Path("negative.Sol")));
    EXPECT_EQ(h.Table().TurnCount(), 0);
}

TEST(SavedGame, HeldCardsAreSavedHomeAndAFailedSaveKeepsTheOldFile)
{
    Harness h;
    int reported = 0;
    h.View().ReportSaveFailed = [&](const QString&) { ++reported; };
    QString asked;
    h.View().AskSavePath = [&] { return asked; };

    // With the title showing there is nothing to save: no file, no question.
    asked = h.Path("title.Sol");
    h.View().OnSave();
    EXPECT_FALSE(QFile::exists(asked));

    h.Start(GameId::BeleagueredCastle);
    const QString path = h.Path("game.Sol");
    asked = path;
    h.View().OnSave();
    const QByteArray good = ReadAll(path);
    ASSERT_EQ(good.size(), 16 * 53);
    EXPECT_EQ(reported, 0);

    // Cards released outside the window go home before the file is written.
    h.Press(Into(*h.PileAt(0).Cards[1], 5, 40));
    h.Move({300, 500}, true);
    h.Release({-20, 500});
    ASSERT_TRUE(h.Frame().DragPile);
    WriteAll(path, "an older save");
    h.View().OnSave();
    EXPECT_EQ(ReadAll(path), good);
    EXPECT_FALSE(h.Frame().DragPile);
    EXPECT_TRUE(h.RepaintedWhole());

    // A full disk, as a file-size limit shows it: the earlier file stays.
    DragOnto(h, *h.PileAt(0).Top(), Into(*h.PileAt(0).Top(), 40, 40), h.PileAt(1));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    h.View().OnSave();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(ReadAll(path), good);
    EXPECT_EQ(reported, 1) << "a failed save says so once";
    EXPECT_EQ(QDir(h.Path("")).entryList({"*.Sol*"}, QDir::Files | QDir::Hidden), QStringList{"game.Sol"});
    // Cancelled: nothing happens.
    asked.clear();
    h.View().OnSave();
    EXPECT_EQ(reported, 1);
}

// Names typed into the real Save Game and Open Game dialogs, then Return.
// Beside the game in play lie "what?.Sol" (Accordion) and "a*b.Sol" (Four Seasons).
TEST(SavedGame, TheDialogsTakeExistingNamesAndListWhatPatternsMatch)
{
    enum class Then { Listed, Refused, NotFound, Wrote, Opened };
    struct Row {
        bool save;
        const char* typed;
        Then then;
        const char* what; // the pattern listed, the file written, or the file opened
        QStringList listed = {};
    };
    const Row rows[] = {
        {true, "who?.Sol", Then::Refused, "who?.Sol"},
        {true, "a*c.Sol", Then::Refused, "a*c.Sol"},
        {true, "*.Sol", Then::Listed, "*.Sol", {"a*b.Sol", "what?.Sol"}},
        {true, "what*", Then::Listed, "what*", {"what?.Sol"}},
        {true, "a*b.Sol", Then::Wrote, "a*b.Sol"},
        {true, "plain", Then::Wrote, "plain.Sol"},
        {true, "game [1]", Then::Wrote, "game [1].Sol"},
        {false, "what?.Sol", Then::Opened, "what?.Sol"},
        {false, "a*b.Sol", Then::Opened, "a*b.Sol"},
        {false, "what?", Then::Opened, "what?.Sol"},
        {false, "who?.Sol", Then::Listed, "who?.Sol"},
        {false, "*.Sol", Then::Listed, "*.Sol", {"a*b.Sol", "what?.Sol"}},
        {false, "plain", Then::NotFound, "plain.Sol"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.save ? "Save " : "Open ") + row.typed);
        Harness h;
        h.Start(GameId::BeleagueredCastle);
        WriteAll(h.Path("what?.Sol"), Record(int(GameId::Accordion), 0, 0, 0));
        WriteAll(h.Path("a*b.Sol"), Record(int(GameId::FourSeasons), 0, 0, 0));
        const QDir dir(h.Path({}));
        const auto files = [&] {
            QStringList names = dir.entryList(QDir::Files);
            names.sort();
            return names;
        };
        const QStringList before = files();

        QString prefilled, field, message;
        QStringList filter, listed;
        bool found = false, open = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* edit = dialog ? dialog->findChild<QLineEdit*>() : nullptr;
            auto* model = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
            if (!(found = edit && model))
                return;
            prefilled = edit->selectedText();
            QTimer::singleShot(0, dialog, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    message = box->text();
                    box->accept();
                }
            });
            edit->setText(h.Path(row.typed));
            QTest::keyClick(edit, Qt::Key_Return);
            if (!(open = dialog->isVisible()))
                return;
            field = edit->text();
            filter = model->nameFilters();
            const auto names = [&] {
                QStringList names;
                const QModelIndex folder = model->index(dir.absolutePath());
                for (int i = 0; i < model->rowCount(folder); ++i)
                    names.append(model->index(i, 0, folder).data().toString());
                names.sort();
                return names;
            };
            (void)QTest::qWaitFor([&] { return names() == row.listed; }, 2000);
            listed = names();
            dialog->reject();
        });
        row.save ? h.View().OnSave() : h.View().OnOpen();

        ASSERT_TRUE(found);
        EXPECT_EQ(prefilled, "*.Sol") << "selected, so that typing replaces it";
        const QString what = QString::fromUtf8(row.what);
        const bool told = row.then == Then::Refused || row.then == Then::NotFound;
        EXPECT_EQ(open, told || row.then == Then::Listed);
        EXPECT_EQ(message.contains(what), told) << message.toStdString();
        if (row.then == Then::Listed) {
            EXPECT_EQ(field, what);
            EXPECT_EQ(filter, QStringList{what});
            EXPECT_EQ(listed, row.listed);
        }
        QStringList after = before;
        if (row.then == Then::Wrote) {
            EXPECT_EQ(ReadAll(h.Path(what)).size(), 16 * 53);
            after.append(what);
            after.removeDuplicates();
            after.sort();
        }
        EXPECT_EQ(files(), after);
        // The game in play, or the one the opened file names.
        const int inPlay = row.then == Then::Opened ? qFromLittleEndian<qint32>(ReadAll(h.Path(what)).constData())
                                                    : int(GameId::BeleagueredCastle);
        EXPECT_EQ(h.Table().GameId, inPlay);
    }
}

} // namespace
} // namespace tollmere::test
