#include "mainframe.h"

#include "soldoc.h"
#include "solview.h"

#include <games/card.h>
#include <games/codes.h>
#include <games/gametable.h>
#include <platform/lockkeys.h>

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace tollmere {

namespace {

// Each command's status-bar prompt, then after the line break its tooltip.
struct CommandText {
    int Id;
    const char* Text;
};

// The game toolbar holds the eight games in StatsIndex order, two
// separators, then these.
constexpr CommandText ShellCommands[] = {
    {command::Help, QT_TRANSLATE_NOOP("tollmere::CMainFrame", "On Line Instructions\nHelp")},
    {command::About, QT_TRANSLATE_NOOP("tollmere::CMainFrame", "About Tollmere\nAbout")},
    {command::Exit, QT_TRANSLATE_NOOP("tollmere::CMainFrame", "Quit Playing\nExit")},
};

constexpr CommandText ToolCommands[] = {
    {command::Open, QT_TRANSLATE_NOOP("tollmere::CMainFrame", "Open A Previously Saved Game\nOpen")},
    {command::Save, QT_TRANSLATE_NOOP("tollmere::CMainFrame", "Save This Game\nSave")},
    {command::Color, QT_TRANSLATE_NOOP("tollmere::CMainFrame", "Set Table Color\nColor")},
    {command::Decks, QT_TRANSLATE_NOOP("tollmere::CMainFrame", "Change Decks\nDecks")},
    {command::Record, QT_TRANSLATE_NOOP("tollmere::CMainFrame", "Review Record\nRecord")},
    {command::Sound, QT_TRANSLATE_NOOP("tollmere::CMainFrame", "Toggle Sound\nSound")},
};

constexpr int GameButton = 38, GameImage = 31;
constexpr int ToolButton = 24, ToolImage = 16;
constexpr int IndicatorPeriodMs = 250;

} // namespace

CMainFrame::CMainFrame(CSolDoc& doc, const QString& configPath, QWidget* parent) : QMainWindow(parent), doc_(doc)
{
    setObjectName(QStringLiteral("MainFrame"));
    view_ = new CSolView(configPath, this);
    setCentralWidget(view_);
    setDockOptions(QMainWindow::AnimatedDocks);
    BuildToolBars();
    BuildStatusBar();
    BuildMenu();
    UpdateCaption();
}

CMainFrame::~CMainFrame() { delete view_; }

namespace {

// A toolbar strip's twice-size drawing, wanted only where some screen is of
// higher density: a start on plain screens does not decode it.
QImage TwiceSize(int bitmapId)
{
    return qGuiApp->devicePixelRatio() > 1 ? LoadImage(bitmapId, 2) : QImage();
}

} // namespace

QAction* CMainFrame::AddCommand(QToolBar* bar, int id, const QString& texts, const Strip& strip, int index,
                                int side)
{
    auto* action = new QAction(this);
    action->setStatusTip(texts.section(QLatin1Char('\n'), 0, 0));
    action->setToolTip(texts.section(QLatin1Char('\n'), 1));
    action->setText(action->toolTip());
    // The twice-size drawing beside the button's own: the icon takes the one
    // that suits the screen it is shown on.
    QIcon icon(QPixmap::fromImage(strip.Plain.copy(index * side, 0, side, side)));
    if (!strip.Twice.isNull()) {
        QImage twice = strip.Twice.copy(index * side * 2, 0, side * 2, side * 2);
        twice.setDevicePixelRatio(2);
        icon.addPixmap(QPixmap::fromImage(twice));
    }
    action->setIcon(icon);
    bar->addAction(action);
    // A reader names the button by its tooltip and describes it by its prompt.
    bar->widgetForAction(action)->setAccessibleDescription(action->statusTip());
    commands_[id] = action;
    return action;
}

void CMainFrame::BuildToolBars()
{
    gameBar_ = new QToolBar(tr("Games"), this);
    gameBar_->setObjectName(QStringLiteral("GameToolBar"));
    gameBar_->setIconSize(QSize(GameImage, GameImage));
    const Strip games{LoadImage(128), TwiceSize(128)};
    int image = 0;
    const auto addGameBarButton = [&](int id, const QString& texts) {
        QAction* action = AddCommand(gameBar_, id, texts, games, image++, GameImage);
        gameBar_->widgetForAction(action)->setFixedSize(GameButton, GameButton);
        return action;
    };
    for (std::size_t game = 0; game < Games.size(); ++game) {
        const QString name = GameName(game);
        const int id = int(Games[game].Id);
        QAction* action = addGameBarButton(id, tr("Play %1").arg(name) + QLatin1Char('\n') + name);
        connect(action, &QAction::triggered, view_, [this, id] {
            view_->StartGame(id);
            // A game dealt from the keyboard is played from it at once.
            view_->setFocus();
        });
    }
    for (int i = 0; i < 2; ++i)
        gameBar_->addSeparator();
    for (const CommandText& entry : ShellCommands)
        addGameBarButton(entry.Id, tr(entry.Text));
    connect(Command(command::Help), &QAction::triggered, view_, &CSolView::OnHelp);
    connect(Command(command::About), &QAction::triggered, view_, &CSolView::OnAbout);
    connect(Command(command::Exit), &QAction::triggered, this, &QWidget::close);
    addToolBar(Qt::TopToolBarArea, gameBar_);

    toolsBar_ = new QToolBar(tr("Tools"), this);
    toolsBar_->setObjectName(QStringLiteral("ToolsToolBar"));
    toolsBar_->setIconSize(QSize(ToolImage, ToolImage));
    const Strip tools{LoadImage(202), TwiceSize(202)};
    image = 0;
    for (const CommandText& entry : ToolCommands) {
        QAction* action = AddCommand(toolsBar_, entry.Id, tr(entry.Text), tools, image++, ToolImage);
        toolsBar_->widgetForAction(action)->setFixedSize(ToolButton, ToolButton);
    }
    connect(Command(command::Open), &QAction::triggered, view_, &CSolView::OnOpen);
    connect(Command(command::Save), &QAction::triggered, view_, &CSolView::OnSave);
    connect(Command(command::Color), &QAction::triggered, view_, &CSolView::OnColor);
    connect(Command(command::Decks), &QAction::triggered, view_, &CSolView::OnDecks);
    connect(Command(command::Record), &QAction::triggered, view_, &CSolView::OnRecord);
    connect(Command(command::Sound), &QAction::triggered, view_, &CSolView::OnSound);
    addToolBar(Qt::LeftToolBarArea, toolsBar_);

    for (QToolBar* bar : {gameBar_, toolsBar_}) {
        // Reached by Tab and F6, never taken by a click: a mouse player sees
        // no focus on them.
        for (QAction* action : bar->actions())
            if (QWidget* button = bar->widgetForAction(action); button && !action->isSeparator())
                button->setFocusPolicy(Qt::TabFocus);
        if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
            more->setAccessibleName(tr("More buttons"));
        bar->setMovable(true);
        bar->setFloatable(true);
        bar->setAllowedAreas(Qt::AllToolBarAreas);
    }
}

void CMainFrame::BuildStatusBar()
{
    // The message pane says "Ready" until a button's prompt covers it, or
    // what the last move made from the keys did; a reader hears each line.
    message_ = new QLabel(tr("Ready"), this);
    message_->setObjectName(QStringLiteral("Message"));
    message_->setAccessibleDescription(tr("What happened last"));
    statusBar()->addWidget(message_, 1);
    statusBar()->setAccessibleName(tr("Status bar"));
    if (auto* grip = statusBar()->findChild<QSizeGrip*>())
        grip->setAccessibleName(tr("Resize the window"));
    connect(view_, &CSolView::Said, message_,
            [this](const QString& line) { message_->setText(line.isEmpty() ? tr("Ready") : line); });
    const char* names[] = {"CAP", "NUM", "SCRL"};
    for (int pane = 0; pane < 3; ++pane) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(names[pane]));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(names[pane])) + 12);
        statusBar()->addPermanentWidget(label);
        indicators_[pane] = label;
    }
    UpdateIndicators();
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &CMainFrame::UpdateIndicators);
    poll->start(IndicatorPeriodMs);
}

void CMainFrame::UpdateIndicators()
{
    const platform::LockKeys keys = platform::lockKeyState();
    const bool on[] = {keys.caps, keys.num, keys.scroll};
    // Each key's name when on, then when off.
    static const char* const spoken[][2] = {{QT_TR_NOOP("Caps Lock on"), QT_TR_NOOP("Caps Lock off")},
                                            {QT_TR_NOOP("Num Lock on"), QT_TR_NOOP("Num Lock off")},
                                            {QT_TR_NOOP("Scroll Lock on"), QT_TR_NOOP("Scroll Lock off")}};
    for (int pane = 0; pane < 3; ++pane) {
        indicators_[pane]->setText(on[pane] ? indicators_[pane]->objectName() : QString());
        // An empty pane says nothing on the screen, but a reader names it.
        const QString name = tr(spoken[pane][on[pane] ? 0 : 1]);
        if (indicators_[pane]->accessibleName() != name)
            indicators_[pane]->setAccessibleName(name);
    }
}

void CMainFrame::BuildMenu()
{
    // The one drop-down menu. Qt draws a menu without a title as nothing at
    // all, so it carries the name such items usually go under.
    QMenu* menu = menuBar()->addMenu(tr("&View"));
    toolbarItem_ = gameBar_->toggleViewAction();
    toolbarItem_->setText(tr("&Toolbar"));
    menu->addAction(toolbarItem_);
    statusItem_ = menu->addAction(tr("Status &Bar"));
    statusItem_->setCheckable(true);
    statusItem_->setChecked(true);
    connect(statusItem_, &QAction::toggled, statusBar(), &QWidget::setVisible);
    connect(menu->addAction(tr("&Sound")), &QAction::triggered, view_, &CSolView::OnSound);

    // The document keys: new rebuilds the table; open and save are the
    // program's own Open and Save, so a key never writes an empty game.
    const auto key = [this](QKeySequence::StandardKey standard, auto slot) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(standard));
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    key(QKeySequence::New, [this] { NewDocument(); });
    // F6 and Shift+F6 go from pane to pane: the table, the game toolbar, the
    // tools toolbar.
    const auto pane = [this](QKeySequence sequence, int step) {
        auto* action = new QAction(this);
        action->setShortcut(sequence);
        connect(action, &QAction::triggered, this, [this, step] { NextPane(step); });
        addAction(action);
    };
    pane(QKeySequence(Qt::Key_F6), 1);
    pane(QKeySequence(Qt::SHIFT | Qt::Key_F6), -1);
    key(QKeySequence::Open, [this] { view_->OnOpen(); });
    key(QKeySequence::Save, [this] { view_->OnSave(); });
}

void CMainFrame::NextPane(int step)
{
    // Each toolbar is entered at its first button; a hidden one is passed by.
    std::vector<QWidget*> panes{view_};
    int at = 0;
    for (QToolBar* bar : {gameBar_, toolsBar_}) {
        if (!bar->isVisible() || bar->actions().isEmpty())
            continue;
        if (bar->isAncestorOf(focusWidget()))
            at = int(panes.size());
        panes.push_back(bar->widgetForAction(bar->actions().constFirst()));
    }
    const int count = int(panes.size());
    panes[std::size_t(((at + step) % count + count) % count)]->setFocus(Qt::TabFocusReason);
}

void CMainFrame::UpdateCaption()
{
    setWindowTitle(doc_.Title() + QStringLiteral(" - ") + QString::fromLatin1(ApplicationTitle));
}

void CMainFrame::StartUp()
{
    // Large enough for the widest game, within the screen.
    const QSize wanted(800, 600);
    const QSize available = screen() ? screen()->availableGeometry().size() : wanted;
    resize(wanted.boundedTo(available));
    show();
    view_->OnInitialUpdate();
    // The keys play on the table from the start.
    view_->setFocus();
}

void CMainFrame::NewDocument()
{
    doc_.OnNewDocument();
    UpdateCaption();
    view_->OnInitialUpdate();
}

} // namespace tollmere
