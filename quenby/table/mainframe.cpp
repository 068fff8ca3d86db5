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

// The Play menu, in menu order. The names stay English where a language has
// no established name of its own for the game.
constexpr GameItem GameItems[] = {
    {QT_TRANSLATE_NOOP("quenby::CMainFrame", "&Auld Lang Syne"), GameId::AuldLangSyne,
     QT_TRANSLATE_NOOP("quenby::CMainFrame", "Auld Lang Syne")},
    {QT_TRANSLATE_NOOP("quenby::CMainFrame", "&Canfield"), GameId::Canfield,
     QT_TRANSLATE_NOOP("quenby::CMainFrame", "Canfield")},
    {QT_TRANSLATE_NOOP("quenby::CMainFrame", "&Flower Garden"), GameId::FlowerGarden,
     QT_TRANSLATE_NOOP("quenby::CMainFrame", "Flower Garden")},
    {QT_TRANSLATE_NOOP("quenby::CMainFrame", "&Grannies Clock"), GameId::GranniesClock,
     QT_TRANSLATE_NOOP("quenby::CMainFrame", "Grannies Clock")},
    {QT_TRANSLATE_NOOP("quenby::CMainFrame", "&Klondike"), GameId::Klondike,
     QT_TRANSLATE_NOOP("quenby::CMainFrame", "Klondike")},
    {QT_TRANSLATE_NOOP("quenby::CMainFrame", "&Little Spider"), GameId::LittleSpider,
     QT_TRANSLATE_NOOP("quenby::CMainFrame", "Little Spider")},
    {QT_TRANSLATE_NOOP("quenby::CMainFrame", "&Magic Carpet"), GameId::MagicCarpet,
     QT_TRANSLATE_NOOP("quenby::CMainFrame", "Magic Carpet")},
    {QT_TRANSLATE_NOOP("quenby::CMainFrame", "&Osmosis"), GameId::Osmosis,
     QT_TRANSLATE_NOOP("quenby::CMainFrame", "Osmosis")},
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
    QMenu* play = menuBar()->addMenu(tr("&Play"));
    // One game at most carries the mark, and the others show none: an
    // exclusive group draws no empty box beside unchecked items.
    auto* games = new QActionGroup(this);
    games->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const GameItem& item : GameItems) {
        QAction* action = play->addAction(tr(item.MenuText));
        action->setCheckable(true);
        games->addAction(action);
        const GameId id = item.Id;
        connect(action, &QAction::triggered, this, [this, id] { ChooseGame(id); });
        gameActions_[id] = action;
    }
    play->addSeparator();
    connect(play->addAction(tr("E&xit")), &QAction::triggered, this, &QWidget::close);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    connect(options->addAction(tr("&Decks")), &QAction::triggered, view_, &CQuenbyView::OnDecks);
    connect(options->addAction(tr("&Background Color")), &QAction::triggered, this,
            &CMainFrame::ChooseBackgroundColour);
    soundAction_ = options->addAction(tr("&Sound"));
    soundAction_->setCheckable(true);
    soundAction_->setChecked(doc_.Table().SoundOn != 0);
    connect(soundAction_, &QAction::triggered, this, &CMainFrame::ToggleSound);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* contents = help->addAction(tr("&Contents"));
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    connect(contents, &QAction::triggered, this, &CMainFrame::ShowContents);
    help->addSeparator();
    connect(help->addAction(tr("&About Quenby...")), &QAction::triggered, this, &CMainFrame::ShowAbout);

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
    doc_.SetTitle(tr(FindGame(int(id))->Title));
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
