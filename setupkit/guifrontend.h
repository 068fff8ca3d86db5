#pragma once
// The toolkit on the screen: a frame window with the installation's title,
// the product's dialogs stacked over it, and a progress dialog for the copy
// whose Stop button ends it. The copy runs on a worker thread so the windows
// stay responsive.
#include "dialogapi.h"
#include "frontend.h"

#include <QLibrary>
#include <QPointer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <vector>

class QDialog;
class QEventLoop;

namespace setupkit {

class FrameWindow final : public QWidget {
public:
    FrameWindow();
    // Set by the close button, read by the copy's worker thread too.
    std::atomic<bool> quitRequested{false};
    // The wait that closing the frame ends, if any.
    QEventLoop* waiting = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

class GuiFrontend final : public Frontend {
public:
    // Null when the dialog library cannot be loaded or lacks its template factory.
    static std::unique_ptr<GuiFrontend> create();
    ~GuiFrontend() override;

    QWidget* frame() const { return frame_.get(); }

    void setTitle(const QString& title) override;
    bool runDialog(int templateId, const QString& procName, int helpTemplate,
                   SymbolTable& symbols) override;
    void closeDialogs(int levels) override;
    CopyResult copy(const std::vector<CopyItem>& items, int scale, int share) override;
    void stopMessage(const QString& text, const QString& title) override;
    void setWaitCursor(bool on) override;
    bool takeQuitRequest() override;

private:
    struct Level;
    class Host;
    GuiFrontend() = default;
    // Runs `dialog` until its procedure ends it; false when the frame was closed.
    bool wait(Level& level, SymbolTable& symbols);
    void runHelp(int helpTemplate, int helpedTemplate, SymbolTable& symbols);
    DialogProc procedure(const QString& name);
    QWidget* topWindow() const;

    std::unique_ptr<QLibrary> library_;
    TemplateFactory makeTemplate_ = nullptr;
    std::unique_ptr<FrameWindow> frame_;
    std::vector<std::unique_ptr<Level>> levels_;
    int cursors_ = 0;
};

} // namespace setupkit
