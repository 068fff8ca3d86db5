#pragma once
// The application: one document, one frame with its view, and the start-up
// sequence that shows the deck circling the title picture.
#include <QApplication>
#include <memory>

namespace quenby {

class CQuenbyDoc;
class CMainFrame;

class CQuenbyApp : public QApplication {
    Q_OBJECT
public:
    CQuenbyApp(int& argc, char** argv);
    ~CQuenbyApp() override; // the frame (and with it the view) before the document

    // Creates the document and the window, shows it and lays out the start-up
    // table; then the start-up command (a second new document) sets the deck
    // turning. Command-line arguments are ignored.
    void InitInstance();

    CMainFrame* MainFrame() const { return frame_.get(); }

private:
    std::unique_ptr<CQuenbyDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace quenby
