#include "guifrontend.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <atomic>
#include <thread>

namespace setupkit {

FrameWindow::FrameWindow()
{
    setWindowIcon(QIcon(QStringLiteral(":/setupkit/setup.png")));
    resize(760, 520);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void FrameWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, QColor(0, 40, 110));
    shade.setColorAt(1, QColor(0, 0, 20));
    painter.fillRect(rect(), shade);
    QFont font = painter.font();
    font.setPointSize(22);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(rect().adjusted(28, 26, 0, 0), Qt::AlignLeft | Qt::AlignTop, windowTitle());
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(rect().adjusted(24, 22, 0, 0), Qt::AlignLeft | Qt::AlignTop, windowTitle());
    const QPixmap icon = windowIcon().pixmap(96, 96);
    painter.drawPixmap(width() - icon.width() - 24, height() - icon.height() - 24, icon);
}

void FrameWindow::closeEvent(QCloseEvent* event)
{
    // Closing the frame asks the script to stop; it decides when to end.
    event->ignore();
    quitRequested = true;
    if (waiting)
        waiting->quit();
}

// One dialog on the stack.
struct GuiFrontend::Level {
    int templateId = 0;
    QString procName;
    std::unique_ptr<Host> host; // outlives the dialog whose buttons call it
    std::unique_ptr<QDialog> dialog;
};

class GuiFrontend::Host final : public DialogHost {
public:
    Host(GuiFrontend& gui, int helpTemplate, int helped) : gui_(gui), help_(helpTemplate), helped_(helped) {}

    SymbolTable* symbols = nullptr;
    QEventLoop* loop = nullptr;
    QString event;

    QString symbol(const QString& name) const override { return symbols ? symbols->value(name) : QString(); }
    void setSymbol(const QString& name, const QString& value) override
    {
        if (symbols)
            symbols->insert(name, value);
    }
    void endWith(const QString& word) override
    {
        if (!loop)
            return; // a dialog that is not waiting takes no events
        event = word;
        loop->quit();
    }
    void showHelp() override
    {
        if (symbols && help_ > 0)
            gui_.runHelp(help_, helped_, *symbols);
    }
    int helpedTemplate() const override { return helped_; }

private:
    GuiFrontend& gui_;
    int help_;
    int helped_;
};

std::unique_ptr<GuiFrontend> GuiFrontend::create()
{
    std::unique_ptr<GuiFrontend> gui(new GuiFrontend);
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/libsetupdlg.so");
    gui->library_ = std::make_unique<QLibrary>(QFileInfo(beside).isFile() ? beside : QStringLiteral("setupdlg"));
    if (!gui->library_->load())
        return nullptr;
    gui->makeTemplate_ = reinterpret_cast<TemplateFactory>(gui->library_->resolve(templateFactoryName));
    if (!gui->makeTemplate_)
        return nullptr;
    gui->frame_ = std::make_unique<FrameWindow>();
    gui->frame_->show();
    return gui;
}

GuiFrontend::~GuiFrontend()
{
    // The dialogs' code lives in the library: they go first, and the
    // library stays loaded for the rest of the process.
    levels_.clear();
    while (cursors_ > 0)
        setWaitCursor(false);
}

void GuiFrontend::setTitle(const QString& title)
{
    frame_->setWindowTitle(title);
    frame_->update();
}

QWidget* GuiFrontend::topWindow() const
{
    return levels_.empty() ? static_cast<QWidget*>(frame_.get()) : levels_.back()->dialog.get();
}

DialogProc GuiFrontend::procedure(const QString& name)
{
    return reinterpret_cast<DialogProc>(library_->resolve(name.toLatin1().constData()));
}

bool GuiFrontend::wait(Level& level, SymbolTable& symbols)
{
    QEventLoop loop;
    level.host->symbols = &symbols;
    level.host->loop = &loop;
    level.host->event.clear();
    level.dialog->setEnabled(true);
    level.dialog->show();
    level.dialog->raise();
    level.dialog->activateWindow();
    frame_->waiting = &loop;
    loop.exec();
    frame_->waiting = nullptr;
    level.host->loop = nullptr;
    level.dialog->setEnabled(false);
    if (level.host->event.isEmpty()) {
        frame_->quitRequested = false; // answered by failing this dialog
        return false;
    }
    symbols.insert(QStringLiteral("DLGEVENT"), level.host->event);
    return true;
}

bool GuiFrontend::runDialog(int templateId, const QString& procName, int helpTemplate, SymbolTable& symbols)
{
    if (levels_.empty() || levels_.back()->templateId != templateId || levels_.back()->procName != procName) {
        const DialogProc proc = procedure(procName);
        std::unique_ptr<QDialog> dialog(proc ? makeTemplate_(templateId, topWindow()) : nullptr);
        if (!dialog)
            return false;
        auto level = std::make_unique<Level>();
        level->templateId = templateId;
        level->procName = procName;
        level->dialog = std::move(dialog);
        level->host = std::make_unique<Host>(*this, helpTemplate, templateId);
        level->host->symbols = &symbols;
        level->dialog->setWindowModality(Qt::ApplicationModal);
        proc(level->dialog.get(), level->host.get());
        levels_.push_back(std::move(level));
    }
    return wait(*levels_.back(), symbols);
}

void GuiFrontend::runHelp(int helpTemplate, int helpedTemplate, SymbolTable& symbols)
{
    const DialogProc proc = procedure(QStringLiteral("FHelpDlgProc"));
    std::unique_ptr<QDialog> dialog(proc ? makeTemplate_(helpTemplate, topWindow()) : nullptr);
    if (!dialog)
        return;
    Host host(*this, 0, helpedTemplate);
    host.symbols = &symbols;
    QEventLoop loop;
    host.loop = &loop;
    dialog->setWindowModality(Qt::ApplicationModal);
    proc(dialog.get(), &host);
    dialog->show();
    loop.exec();
}

void GuiFrontend::closeDialogs(int levels)
{
    while (!levels_.empty() && levels-- != 0)
        levels_.pop_back();
}

CopyResult GuiFrontend::copy(const std::vector<CopyItem>& items, int scale, int share)
{
    QDialog progress(frame_.get());
    progress.setWindowTitle(QCoreApplication::translate("setupkit", "Copying Files"));
    progress.setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(&progress);
    auto* label = new QLabel(QCoreApplication::translate("setupkit", "Copying files..."), &progress);
    auto* bar = new QProgressBar(&progress);
    bar->setRange(0, scale);
    auto* stop = new QPushButton(QCoreApplication::translate("setupkit", "Stop"), &progress);
    layout->addWidget(label);
    layout->addWidget(bar);
    layout->addWidget(stop, 0, Qt::AlignRight);
    progress.resize(420, progress.sizeHint().height());

    std::atomic<bool> stopping{false};
    QObject::connect(stop, &QPushButton::clicked, &progress, [&] {
        stopping = true;
        stop->setEnabled(false);
    });
    QObject::connect(&progress, &QDialog::rejected, &progress, [&] { stopping = true; });
    QEventLoop loop;
    CopyResult result = copyDone;
    const int base = scale - share;
    std::thread worker([&] {
        result = copyFiles(items, [&](const CopyProgress& at) {
            const int value = base + int(at.bytesTotal > 0 ? share * at.bytesDone / at.bytesTotal : share);
            const QString name = QFileInfo(at.current).fileName();
            QMetaObject::invokeMethod(&progress, [=] {
                bar->setValue(value);
                label->setText(QCoreApplication::translate("setupkit", "Copying %1").arg(name));
            });
            return !stopping.load() && !frame_->quitRequested;
        });
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    progress.show();
    loop.exec();
    worker.join();
    // Progress updates still queued refer to the dialog: drop them with it.
    QCoreApplication::removePostedEvents(&progress);
    return result;
}

void GuiFrontend::stopMessage(const QString& text, const QString& title)
{
    QMessageBox::critical(topWindow(), title, text);
}

void GuiFrontend::setWaitCursor(bool on)
{
    if (on) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        ++cursors_;
    } else if (cursors_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --cursors_;
    }
}

bool GuiFrontend::takeQuitRequest()
{
    const bool asked = frame_->quitRequested;
    frame_->quitRequested = false;
    return asked;
}

} // namespace setupkit
