#pragma once
// The window onto the table, and the owner of everything a run keeps: the
// records block, the deck, the game in play and the off-screen picture. It
// turns the mouse into the game's pick-up, drag and drop, repaints only what
// they changed, and carries out the toolbar commands.
#include "configblock.h"
#include "tablesurface.h"

#include <games/carddeck.h>
#include <games/gametable.h>
#include <platform/tablepainter.h>

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace tollmere {

class CSolView : public QWidget {
    Q_OBJECT
public:
    // Reads the records file at `configPath` and shows the title picture.
    explicit CSolView(QString configPath = QString::fromLatin1(ConfigBlock::FileName), QWidget* parent = nullptr);
    // Writes the records file, then lets go of the surface, the game and the
    // deck, in that order.
    ~CSolView() override;

    ConfigBlock& Config() { return config_; }
    GameTable& Table() { return *table_; }
    CardDeck& Deck() { return *deck_; }
    TableSurface* Surface() { return surface_.get(); }
    bool MayWriteConfig() const { return mayWriteConfig_; }
    // Puts the table on the screen and paces a drag to the frames; tests set
    // its clock.
    platform::TablePainter& Painter() { return painter_; }

    // The initial update (start-up, and again after a new document): the
    // table rebuilt for the game in play and repainted whole.
    void OnInitialUpdate();
    // A game command (or About with the title's number): a new deal, laid
    // out and drawn, counted as played.
    void StartGame(int gameId);
    // Opens the game saved at `path`; a file that names no game changes
    // nothing. False when nothing was opened.
    bool LoadGame(const QString& path);
    // False when the file could not be written, or the title is showing.
    bool SaveGameTo(const QString& path);

    // The toolbar commands.
    void OnAbout();
    void OnHelp();
    void OnOpen();
    void OnSave();
    void OnColor();
    void OnDecks();
    void OnRecord();
    void OnSound();

    // Seams for the dialogs, so tests can answer them: each returns what the
    // player chose (an empty path for cancel).
    std::function<QString()> AskOpenPath;
    std::function<QString()> AskSavePath;
    std::function<void(const QString& path)> ReportSaveFailed;
    std::function<bool(platform::ColorRef& colour, platform::CustomColours& custom)> AskColour;
    std::function<void()> AskDeck;
    std::function<void()> ShowRecord;
    std::function<void()> ShowWin;
    std::function<void(int helpContext)> ShowHelp; // 0: the contents

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool event(QEvent* event) override;

private:
    // A new surface for the client size, and the game laid out in it.
    void RebuildTable();
    bool Inside(const QMouseEvent* event) const;

    QString configPath_;
    ConfigBlock config_;
    bool mayWriteConfig_ = true;
    std::unique_ptr<CardDeck> deck_;
    std::unique_ptr<GameTable> table_;
    std::unique_ptr<TableSurface> surface_;
    platform::TablePainter painter_{this};
};

} // namespace tollmere
