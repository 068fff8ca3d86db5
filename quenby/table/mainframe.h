#pragma once
// The program's one window: a menu bar (Play, Options, Help), no tool or
// status bar, and the table view filling the rest. It carries out the menu
// commands and the keyboard-only document commands, and writes the settings
// as the view goes away.
#include "gameid.h"
#include "settings.h"

#include <platform/colour.h>

#include <QMainWindow>
#include <QSize>
#include <functional>
#include <map>

class QAction;

namespace quenby {

class CQuenbyDoc;
class CQuenbyView;

// The product name followed by the maker's notice, shown after the document
// title in the caption.
inline constexpr char ApplicationTitle[] = "Quenby \u00A9 Tablewright";
inline constexpr char HelpFileName[] = "quenby.html";
// The smallest table on which every game fits round the centre, its fans
// grown full included: Osmosis' rows of 13 reach 315 pixels right of it,
// Klondike's runs of 13 reach 237 below it and its top row 205 above.
inline constexpr QSize MinimumTableSize{640, 480};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CQuenbyDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override; // destroys the view, which writes the settings

    CQuenbyView& View() const { return *view_; }
    QAction* GameAction(GameId id) const { return gameActions_.at(id); }
    QAction* SoundAction() const { return soundAction_; }

    // Shows the window at its default size, lays out the start-up table and
    // then, as the start-up command, runs a new document, which sets the deck
    // turning.
    void StartUp();
    // The view's first initial update: the settings are read, then the deck
    // is laid out round the title picture.
    void FirstInitialUpdate();
    // The framework's new-document, open and save commands (Ctrl+N, Ctrl+O,
    // Ctrl+S): the document stays empty; new and open run the view's initial
    // update again.
    void NewDocument();
    void OpenDocument();
    void SaveDocument();

    void ChooseGame(GameId id);
    void ChooseBackgroundColour();
    void ToggleSound();
    void ShowContents();
    void ShowAbout();
    // Checks the Play-menu item of `gameId`; any other value unchecks all eight.
    void CheckGame(int gameId);

    // Where the settings are read from and written to.
    QString SettingsPath;
    // Stand-ins for tests: the file dialogs and the colour dialog.
    std::function<QString()> AskOpenFileName;
    std::function<QString()> AskSaveFileName;
    std::function<bool(QWidget*, platform::ColorRef&, platform::CustomColours&)> AskColour = platform::chooseColour;

private:
    void BuildMenus();
    void UpdateCaption();
    void DestroyView();

    CQuenbyDoc& doc_;
    CQuenbyView* view_ = nullptr;
    std::map<GameId, QAction*> gameActions_;
    QAction* soundAction_ = nullptr;
};

} // namespace quenby
