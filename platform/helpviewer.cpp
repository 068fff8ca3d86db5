#include "platform/helpviewer.h"

#include "platform/files.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace platform {

namespace {

// The help window: a browser with Contents, Back and Forward above it. One per
// program, kept (hidden when closed) so its history lasts the whole run.
class HelpWindow : public QWidget {
    // Its own context: without Q_OBJECT, tr() would be QWidget's.
    Q_DECLARE_TR_FUNCTIONS(platform::HelpWindow)

public:
    explicit HelpWindow(QWidget* owner)
        : QWidget(owner, Qt::Window)
    {
        setObjectName(QStringLiteral("helpWindow"));
        QString program = QGuiApplication::applicationDisplayName();
        if (program.isEmpty())
            program = QCoreApplication::applicationName();
        setWindowTitle(tr("%1 Help").arg(program));

        auto* tools = new QToolBar(this);
        tools->setObjectName(QStringLiteral("helpTools"));
        tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
        contents_ = tools->addAction(tr("Contents"));
        contents_->setObjectName(QStringLiteral("helpContents"));
        back_ = tools->addAction(tr("Back"));
        back_->setObjectName(QStringLiteral("helpBack"));
        back_->setEnabled(false);
        forward_ = tools->addAction(tr("Forward"));
        forward_->setObjectName(QStringLiteral("helpForward"));
        forward_->setEnabled(false);

        browser_ = new QTextBrowser(this);
        browser_->setObjectName(QStringLiteral("helpBrowser"));

        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(tools);
        layout->addWidget(browser_);
        resize(560, 480);

        connect(contents_, &QAction::triggered, this, [this] { showFile(file_, {}); });
        connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
        connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
        connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::sourceChanged, this, [this] { showingMessage_ = false; });
    }

    // Shows `file` at `anchor`, or at its top when `anchor` is empty.
    void showFile(const QString& file, const QString& anchor)
    {
        file_ = file;
        const QFileInfo info(file);
        if (!info.isFile() || !info.isReadable()) {
            showMissing(file);
            return;
        }
        QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        if (!anchor.isEmpty())
            url.setFragment(anchor);
        if (showingMessage_) {
            // The message replaced the page without the browser knowing: load
            // the file afresh even when it is the page the browser thinks it shows.
            showingMessage_ = false;
            browser_->setSource(url, QTextDocument::HtmlResource);
            if (browser_->source() == url)
                browser_->reload();
        } else if (browser_->source() == url) {
            // Asked for the page already shown: just go back to its place.
            if (anchor.isEmpty())
                browser_->verticalScrollBar()->setValue(0);
            else
                browser_->scrollToAnchor(anchor);
            return;
        } else {
            browser_->setSource(url, QTextDocument::HtmlResource);
        }
        if (anchor.isEmpty())
            browser_->verticalScrollBar()->setValue(0);
    }

private:
    void showMissing(const QString& file)
    {
        const QString name = file.isEmpty() ? tr("(none)") : file;
        browser_->setHtml(tr("<h3>Help is not available</h3>"
                             "<p>The help file <b>%1</b> could not be found or could not be read.</p>")
                              .arg(name.toHtmlEscaped()));
        showingMessage_ = true;
    }

    QTextBrowser* browser_ = nullptr;
    QAction* contents_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
    QString file_;
    bool showingMessage_ = false;
};

QPointer<HelpWindow> helpWindow;

void showHelp(QWidget* owner, const QString& helpFile, const QString& anchor)
{
    if (!helpWindow)
        helpWindow = new HelpWindow(owner);
    helpWindow->showFile(helpFile, anchor);
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

} // namespace

QString helpFilePath(const QString& fileName)
{
    return helpFilePath(fileName, QLocale::system().uiLanguages(), programFileFolders());
}

QString helpFilePath(const QString& fileName, const QStringList& languages, const QStringList& folders)
{
    const QFileInfo name(fileName);
    const QString base = (name.path() == u"." ? QString() : name.path() + u'/') + name.completeBaseName();
    const QString suffix = name.suffix().isEmpty() ? QString() : u'.' + name.suffix();
    const auto usable = [](const QString& path) {
        const QFileInfo info(path);
        return !path.isEmpty() && info.isReadable() && info.size() > 0;
    };
    static const QRegularExpression plainTag(QStringLiteral("^[A-Za-z0-9]+(_[A-Za-z0-9]+)*$"));
    for (QString tag : languages) {
        tag.replace(u'-', u'_');
        if (!plainTag.match(tag).hasMatch())
            continue; // never a name that reaches another folder
        const QString language = tag.section(u'_', 0, 0).toLower();
        if (language == u"en" || language == u"c" || language == u"posix")
            break;
        const QStringList variants = tag == language ? QStringList{tag} : QStringList{tag, language};
        for (const QString& variant : variants) {
            const QString found = findFileIn(base + u'.' + variant + suffix, folders);
            if (usable(found))
                return found;
        }
    }
    const QString found = findFileIn(fileName, folders);
    return found.isEmpty() ? QCoreApplication::applicationDirPath() + u'/' + fileName : found;
}

void showHelpContents(QWidget* owner, const QString& helpFile)
{
    showHelp(owner, helpFile, {});
}

void showHelpContext(QWidget* owner, const QString& helpFile, int context)
{
    showHelp(owner, helpFile, QStringLiteral("context-%1").arg(context));
}

} // namespace platform
