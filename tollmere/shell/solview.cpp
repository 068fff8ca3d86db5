#include "solview.h"

#include "deckdialog.h"
#include "filedialogs.h"
#include "recorddialog.h"
#include "savedgame.h"

#include <platform/density.h>
#include <platform/helpviewer.h>

#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QTimerEvent>

namespace tollmere {

namespace {

constexpr char HelpFileName[] = "tollmere.html";

} // namespace

CSolView::CSolView(QString configPath, QWidget* parent)
    : QWidget(parent), configPath_(std::move(configPath)), deck_(std::make_unique<CardDeck>())
{
    // Every paint covers its area from the off-screen picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Held cards follow the pointer even after a release outside the window.
    setMouseTracking(true);

    const LoadedConfig loaded = ReadConfig(configPath_);
    config_ = loaded.Block;
    mayWriteConfig_ = loaded.MayWrite;
    SoundOn = config_.SoundOn != 0;
    table_ = std::make_unique<GameTable>(*deck_, int(GameId::Title));

    AskOpenPath = [this] { return AskGameFile(this, GameFileDialog::Open); };
    AskSavePath = [this] { return AskGameFile(this, GameFileDialog::Save); };
    ReportSaveFailed = [this](const QString& path) {
        QMessageBox::warning(this, QStringLiteral("Tollmere"),
                             QStringLiteral("The game could not be saved to %1.").arg(path));
    };
    AskColour = [this](platform::ColorRef& colour, platform::CustomColours& custom) {
        return platform::chooseColour(this, colour, custom);
    };
    AskDeck = [this] {
        DeckDialog dialog(config_, this);
        dialog.exec();
    };
    ShowRecord = [this] {
        RecordDialog dialog(config_, this);
        dialog.exec();
    };
    ShowWin = [this] {
        WinDialog dialog(this);
        dialog.exec();
    };
    ShowHelp = [this](int context) {
        const QString file = platform::helpFilePath(QString::fromLatin1(HelpFileName));
        if (context == 0)
            platform::showHelpContents(this, file);
        else
            platform::showHelpContext(this, file, context);
    };
}

CSolView::~CSolView()
{
    config_.SoundOn = SoundOn ? 1 : 0;
    if (mayWriteConfig_)
        WriteConfig(configPath_, config_);
    // No pile may outlive the cards it points at.
    surface_.reset();
    table_.reset();
    deck_.reset();
}

void CSolView::RebuildTable()
{
    surface_.reset();
    surface_ = std::make_unique<TableSurface>(*deck_, size(), table_->GameId, config_.TableColour, config_.CardBackId,
                                              platform::surfaceRatio(devicePixelRatioF()));
    table_->Layout(width(), height());
}

void CSolView::OnInitialUpdate()
{
    RebuildTable();
    painter_.RepaintWhole();
}

void CSolView::StartGame(int gameId)
{
    table_.reset();
    table_ = std::make_unique<GameTable>(*deck_, gameId);
    table_->Layout(width(), height());
    RebuildTable();
    painter_.RepaintWhole();
    config_.CountPlay(gameId);
}

bool CSolView::LoadGame(const QString& path)
{
    const std::optional<SavedGame> saved = ReadSavedGame(path);
    if (!saved)
        return false;
    StartGame(saved->GameId);
    RestoreCards(*table_, *saved);
    painter_.RepaintWhole();
    return true;
}

bool CSolView::SaveGameTo(const QString& path)
{
    // Cards still held (their release fell outside the window) go home first,
    // so that every card is in the file.
    if (GameFrame* frame = table_->Frame(); frame && frame->DragPile) {
        Rect dirty;
        frame->ReturnHeld(dirty);
        painter_.RepaintNow(dirty);
    }
    return SaveGame(*table_, path);
}

void CSolView::OnAbout() { StartGame(int(GameId::Title)); }

void CSolView::OnHelp()
{
    const auto index = StatsIndex(table_->GameId);
    if (ShowHelp)
        ShowHelp(index ? Games[std::size_t(*index)].HelpContext : 0);
}

void CSolView::OnOpen()
{
    const QString path = AskOpenPath ? AskOpenPath() : QString();
    if (!path.isEmpty())
        LoadGame(path);
}

void CSolView::OnSave()
{
    // With the title showing there is no game to save, and no file is made.
    if (!IsGame(table_->GameId))
        return;
    const QString path = AskSavePath ? AskSavePath() : QString();
    if (!path.isEmpty() && !SaveGameTo(path) && ReportSaveFailed)
        ReportSaveFailed(path);
}

void CSolView::OnColor()
{
    platform::ColorRef colour = config_.TableColour;
    if (AskColour && AskColour(colour, config_.CustomColours)) {
        config_.TableColour = colour;
        RebuildTable();
        painter_.RepaintWhole();
    }
}

void CSolView::OnDecks()
{
    if (AskDeck)
        AskDeck();
    RebuildTable();
    painter_.RepaintWhole();
}

void CSolView::OnRecord()
{
    if (ShowRecord)
        ShowRecord();
}

void CSolView::OnSound() { SoundOn = !SoundOn; }

void CSolView::paintEvent(QPaintEvent* event)
{
    if (!surface_)
        return;
    // Moved to a screen of another density: the table is drawn afresh for it.
    const qreal ratio = platform::surfaceRatio(devicePixelRatioF());
    if (surface_->Background.devicePixelRatio() != ratio) {
        RebuildTable();
        update();
    }
    QPoint offset;
    QPaintDevice* device = redirected(&offset);
    painter_.Paint(*event, device, offset, ratio,
                   [this](QImage& target, const Rect& area) { surface_->PaintOnto(target, area); });
}

void CSolView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (surface_) {
        RebuildTable();
        painter_.RepaintWhole();
    }
}

bool CSolView::Inside(const QMouseEvent* event) const
{
    // Qt grabs the mouse while a button is down; the table does not, so what
    // happens outside the window is not seen.
    return rect().contains(event->position().toPoint());
}

void CSolView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && Inside(event)) {
        const QPoint at = event->position().toPoint();
        Rect dirty;
        table_->PickUp(dirty, at.x(), at.y());
        painter_.RepaintNow(dirty);
    }
    QWidget::mousePressEvent(event);
}

void CSolView::mouseMoveEvent(QMouseEvent* event)
{
    if (Inside(event)) {
        const QPoint at = event->position().toPoint();
        Rect dirty;
        table_->Drag(dirty, at.x(), at.y());
        painter_.Move(dirty);
    }
    QWidget::mouseMoveEvent(event);
}

void CSolView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && Inside(event)) {
        const QPoint at = event->position().toPoint();
        Rect dirty;
        table_->Drop(dirty, at.x(), at.y());
        painter_.RepaintNow(dirty);
        // One win per deal: the dialog once, then the table stays won.
        if (table_->Won == 0 && table_->WinTest(config_) == 1) {
            if (ShowWin)
                ShowWin();
            table_->Won = 1;
        }
    }
    QWidget::mouseReleaseEvent(event);
}

void CSolView::timerEvent(QTimerEvent* event)
{
    if (!painter_.TimerEvent(*event))
        QWidget::timerEvent(event);
}

bool CSolView::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && surface_ && isVisible())
        painter_.RepaintWhole();
    return QWidget::event(event);
}

} // namespace tollmere
