#include "mainframe.h"

#include "aboutdialog.h"
#include "quenbydoc.h"
#include "quenbyview.h"

#include <platform/helpviewer.h>
#include <platform/profile.h>

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace quenby {

namespace {

struct GameItem {
    const char* MenuText;
    GameId Id;
    const char* Title;
};

// The Play menu, in menu order.
constexpr GameItem GameItems[] = {
    {"&Auld Lang Syne", GameId::AuldLangSyne, "Auld Lang Syne"},
    {"&Canfield", GameId::Canfield, "Canfield"},
    {"&Flower Garden", GameId::FlowerGarden, "Flower Garden"},
    {"&Grannies Clock", GameId::GranniesClock, "Grannies Clock"},
    {"&Klondike", GameId::Klondike, "Klondike"},
    {"&Little Spider", GameId::LittleSpider, "Little Spider"},
    {"&Magic Carpet", GameId::MagicCarpet, "Magic Carpet"},
    {"&Osmosis", GameId::Osmosis, "Osmosis"},
};

const GameItem* FindGame(int id)
{
    for (const GameItem& item : GameItems)
        if (int(item.Id) == id)
            return &item;
    return nullptr;
}

} // namespace

CMainFrame::CMainFrame(CQuenbyDoc& doc, QWidget* parent)
    : QMainWindow(parent), SettingsPath(platform::profilePath(QString::fromLatin1(SettingsFileName))), doc_(doc)
{
    setObjectName(QStringLiteral("MainFrame"));
    // Made without a parent and then placed: a reader asks for the view's
    // accessible object as soon as it has a parent, and keeps what it got;
    // by then the view must describe its table.
    view_ = new CQuenbyView(doc_.Table());
    setCentralWidget(view_);
    BuildMenus();
    connect(&doc_, &CQuenbyDoc::TitleChanged, this, &CMainFrame::UpdateCaption);
    UpdateCaption();

    AskOpenFileName = [this] { return QFileDialog::getOpenFileName(this); };
    AskSaveFileName = [this] { return QFileDialog::getSaveFileName(this, QString(), doc_.Title()); };
}

CMainFrame::~CMainFrame()
{
    DestroyView();
}

void CMainFrame::BuildMenus()
{
    QMenu* play = menuBar()->addMenu(QStringLiteral("&Play"));
    // One game at most carries the mark, and the others show none: an
    // exclusive group draws no empty box beside unchecked items.
    auto* games = new QActionGroup(this);
    games->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const GameItem& item : GameItems) {
        QAction* action = play->addAction(QString::fromLatin1(item.MenuText));
        action->setCheckable(true);
        games->addAction(action);
        const GameId id = item.Id;
        connect(action, &QAction::triggered, this, [this, id] { ChooseGame(id); });
        gameActions_[id] = action;
    }
    play->addSeparator();
    connect(play->addAction(QStringLiteral("E&xit")), &QAction::triggered, this, &QWidget::close);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    connect(options->addAction(QStringLiteral("&Decks")), &QAction::triggered, view_, &CQuenbyView::OnDecks);
    connect(options->addAction(QStringLiteral("&Background Color")), &QAction::triggered, this,
            &CMainFrame::ChooseBackgroundColour);
    soundAction_ = options->addAction(QStringLiteral("&Sound"));
    soundAction_->setCheckable(true);
    soundAction_->setChecked(doc_.Table().SoundOn != 0);
    connect(soundAction_, &QAction::triggered, this, &CMainFrame::ToggleSound);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"));
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    connect(contents, &QAction::triggered, this, &CMainFrame::ShowContents);
    help->addSeparator();
    connect(help->addAction(QStringLiteral("&About Quenby...")), &QAction::triggered, this, &CMainFrame::ShowAbout);

    // The document commands have no menu items, only their keys.
    auto key = [this](QKeySequence::StandardKey standard, void (CMainFrame::*command)()) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(standard));
        connect(action, &QAction::triggered, this, command);
        addAction(action);
    };
    key(QKeySequence::New, &CMainFrame::NewDocument);
    key(QKeySequence::Open, &CMainFrame::OpenDocument);
    key(QKeySequence::Save, &CMainFrame::SaveDocument);
}

void CMainFrame::UpdateCaption()
{
    setWindowTitle(doc_.Title() + QStringLiteral(" - ") + QString::fromUtf8(ApplicationTitle));
}

void CMainFrame::StartUp()
{
    // Sized as desktop window managers place a new window, three quarters of
    // the screen, but never so small that a game is cut while the screen
    // has room for it.
    view_->setMinimumSize(MinimumTableSize);
    const QSize available = screen()->availableGeometry().size();
    resize((available * 3 / 4).expandedTo(minimumSizeHint()).boundedTo(available));
    show();
    FirstInitialUpdate();
    NewDocument();
}

void CMainFrame::FirstInitialUpdate()
{
    TableState& table = doc_.Table();
    Settings current;
    current.TableColour = table.TableColour;
    current.CustomColours = view_->CustomColours;
    current.CardBackId = table.CardBackId;
    const Settings read = ReadSettings(SettingsPath, current);
    table.TableColour = read.TableColour;
    view_->CustomColours = read.CustomColours;
    table.CardBackId = read.CardBackId;
    CheckGame(read.GameId);
    view_->OnFirstInitialUpdate();
}

void CMainFrame::NewDocument()
{
    doc_.OnNewDocument();
    view_->InitialUpdateAgain();
}

void CMainFrame::OpenDocument()
{
    const QString path = AskOpenFileName ? AskOpenFileName() : QString();
    if (path.isEmpty() || !doc_.OnOpenDocument(path))
        return;
    view_->InitialUpdateAgain();
}

void CMainFrame::SaveDocument()
{
    const QString path = AskSaveFileName ? AskSaveFileName() : QString();
    if (!path.isEmpty())
        doc_.OnSaveDocument(path);
}

void CMainFrame::CheckGame(int gameId)
{
    for (auto& [id, action] : gameActions_)
        action->setChecked(int(id) == gameId);
}

void CMainFrame::ChooseGame(GameId id)
{
    doc_.SetTitle(QString::fromLatin1(FindGame(int(id))->Title));
    CheckGame(int(id));
    view_->StartGame(id);
}

void CMainFrame::ChooseBackgroundColour()
{
    platform::ColorRef colour = doc_.Table().TableColour;
    // The custom colours are kept even when the player cancels.
    if (!AskColour(view_, colour, view_->CustomColours))
        return;
    view_->SetTableColour(colour);
}

void CMainFrame::ToggleSound()
{
    TableState& table = doc_.Table();
    table.SoundOn = table.SoundOn ? 0 : 1;
    soundAction_->setChecked(table.SoundOn != 0);
}

void CMainFrame::ShowContents()
{
    platform::showHelpContents(this, platform::helpFilePath(QString::fromLatin1(HelpFileName)));
}

void CMainFrame::ShowAbout()
{
    AboutDialog about(this);
    about.exec();
}

void CMainFrame::DestroyView()
{
    if (!view_)
        return;
    Settings values;
    const TableState& table = doc_.Table();
    values.TableColour = table.TableColour;
    values.CustomColours = view_->CustomColours;
    values.CardBackId = table.CardBackId;
    // Failures stay silent; the previous file is left whole.
    WriteSettings(SettingsPath, values, table.GameTable.GameId);
    delete view_;
    view_ = nullptr;
}

} // namespace quenby
