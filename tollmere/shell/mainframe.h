#pragma once
// The program's window: the game toolbar along the top, the tools toolbar at
// the left (both can be docked at any edge or float), a status bar with the
// lock-key indicators, a one-item menu, and the table view in the middle.
#include <QMainWindow>
#include <map>

class QAction;
class QLabel;
class QToolBar;

namespace tollmere {

class CSolDoc;
class CSolView;

inline constexpr char ApplicationTitle[] = "Tollmere";

// The toolbar and command numbers of the program's own commands.
namespace command {
inline constexpr int Help = 135, Exit = 136, About = 137, Color = 139, Decks = 140, Record = 141, Save = 142,
                     Open = 143, Sound = 145;
}

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CSolDoc& doc, const QString& configPath, QWidget* parent = nullptr);
    ~CMainFrame() override; // destroys the view, which writes the records file

    CSolView& View() const { return *view_; }
    QToolBar* GameToolBar() const { return gameBar_; }
    QToolBar* ToolsToolBar() const { return toolsBar_; }
    // The action of a toolbar command, by its number.
    QAction* Command(int id) const { return commands_.at(id); }
    QAction* ToolbarMenuItem() const { return toolbarItem_; }
    QAction* StatusBarMenuItem() const { return statusItem_; }
    QLabel* Indicator(int pane) const { return indicators_[pane]; } // 0 CAP, 1 NUM, 2 SCRL
    QLabel* Message() const { return message_; }

    // Shows the window and the title picture.
    void StartUp();
    // Ctrl+N: an empty document again; the table is rebuilt, the game stays.
    void NewDocument();
    // Lights CAP, NUM and SCRL as the keyboard says.
    void UpdateIndicators();

private:
    // A toolbar's button images side by side, and the same drawn twice the size.
    struct Strip {
        QImage Plain;
        QImage Twice;
    };
    QAction* AddCommand(QToolBar* bar, int id, const QString& texts, const Strip& strip, int index, int side);
    void BuildToolBars();
    void BuildStatusBar();
    void BuildMenu();
    void UpdateCaption();
    // The keyboard focus to the next (`step` 1) or previous (-1) pane.
    void NextPane(int step);

    CSolDoc& doc_;
    CSolView* view_;
    QToolBar* gameBar_ = nullptr;
    QToolBar* toolsBar_ = nullptr;
    QAction* toolbarItem_ = nullptr;
    QAction* statusItem_ = nullptr;
    QLabel* indicators_[3] = {};
    QLabel* message_ = nullptr;
    std::map<int, QAction*> commands_;
};

} // namespace tollmere
