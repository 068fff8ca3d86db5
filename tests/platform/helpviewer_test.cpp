// The help window: one per program, opened at the contents or at a numbered
// topic, with history buttons and a message for a missing file.
#include "platform/helpviewer.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QWidget* helpWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "helpWindow")
            return widget;
    return nullptr;
}

// A help file long enough to scroll, with topics far down the page.
QString writeHelp(const QTemporaryDir& dir)
{
    QString html = "<html><body><h1>Contents</h1>";
    for (int topic : {102, 122, 130}) {
        for (int i = 0; i < 60; ++i)
            html += QString("<p>Filler line %1 before topic %2.</p>").arg(i).arg(topic);
        html += QString("<h2><a name=\"context-%1\"></a>Topic %1</h2><p>About game %1.</p>").arg(topic);
    }
    html += "</body></html>";
    const QString path = dir.filePath("TEST.HLP");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html.toUtf8());
    return path;
}

// The top of the block holding the anchor, in document coordinates.
int anchorTop(QTextDocument* document, const QString& anchor)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(anchor))
                return int(document->documentLayout()->blockBoundingRect(block).top());
    return -1;
}

} // namespace

TEST(HelpViewer, TopicsHistoryAndMissingFile)
{
    QTemporaryDir dir;
    const QString help = writeHelp(dir);
    QApplication::setApplicationDisplayName("Quenby");

    showHelpContext(nullptr, help, 122);
    QWidget* window = helpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Quenby Help");
    auto* browser = window->findChild<QTextBrowser*>("helpBrowser");
    auto* back = window->findChild<QAction*>("helpBack");
    auto* forward = window->findChild<QAction*>("helpForward");
    auto* contents = window->findChild<QAction*>("helpContents");
    ASSERT_TRUE(browser && back && forward && contents);
    QApplication::processEvents();

    EXPECT_EQ(browser->source().fragment(), "context-122");
    const int top122 = anchorTop(browser->document(), "context-122");
    ASSERT_GT(top122, 0);
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    EXPECT_NEAR(browser->verticalScrollBar()->value(), top122, 30) << "the topic at the top of the view";
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    // Opening again raises the same window at the new topic.
    showHelpContext(nullptr, help, 130);
    QApplication::processEvents();
    EXPECT_EQ(helpWindow(), window);
    EXPECT_EQ(browser->source().fragment(), "context-130");
    EXPECT_GT(browser->verticalScrollBar()->value(), top122 + 100);
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    back->trigger();
    QApplication::processEvents();
    EXPECT_EQ(browser->source().fragment(), "context-122");
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(forward->isEnabled());

    contents->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(browser->source().fragment().isEmpty());
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(browser->toPlainText().startsWith("Contents"));
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled()) << "a new page ends the forward history";

    showHelpContents(nullptr, dir.filePath("NOSUCH.HLP"));
    QApplication::processEvents();
    EXPECT_EQ(helpWindow(), window);
    EXPECT_TRUE(browser->toPlainText().contains(dir.filePath("NOSUCH.HLP")));
    EXPECT_TRUE(browser->toPlainText().contains("could not be found"));
    EXPECT_EQ(anchorTop(browser->document(), "context-122"), -1);

    window->close();
    showHelpContents(nullptr, help);
    EXPECT_TRUE(window->isVisible()) << "a closed window comes back";
    EXPECT_TRUE(browser->toPlainText().startsWith("Contents"));
}

TEST(HelpViewer, FileBesideTheProgram)
{
    EXPECT_EQ(helpFilePath("QUENBY.HTM"), QCoreApplication::applicationDirPath() + "/QUENBY.HTM");
}

TEST(HelpViewer, FileForThePlayersLanguages)
{
    QTemporaryDir dir;
    const auto make = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    make("quenby.html", "English");
    make("quenby.de.html", "Deutsch");
    make("quenby.fr.html", "Français");
    make("quenby.pt_BR.html", "Português do Brasil");
    make("quenby.it.html", ""); // broken: passed over
    QDir(dir.path()).mkdir("quenby.es.html"); // not a file: passed over

    const struct {
        QStringList languages;
        const char* chosen;
    } rows[] = {
        {{"de-DE"}, "quenby.de.html"},
        {{"de"}, "quenby.de.html"},
        {{"fr-CA", "de-DE"}, "quenby.fr.html"},
        {{"nl-NL", "fr"}, "quenby.fr.html"},
        {{"it-IT", "de-DE"}, "quenby.de.html"},
        {{"es-ES"}, "quenby.html"},
        {{"pt-BR"}, "quenby.pt_BR.html"},
        {{"pt-PT"}, "quenby.html"},
        {{"en-US", "de-DE"}, "quenby.html"},
        {{"en-GB"}, "quenby.html"},
        {{"C", "fr"}, "quenby.html"},
        {{"../quenby", "de"}, "quenby.de.html"},
        {{}, "quenby.html"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(helpFilePath("quenby.html", row.languages, {dir.path()}), dir.filePath(row.chosen))
            << row.languages.join(u',').toStdString();

    // The translation may lie in a later folder than the English file.
    QTemporaryDir share;
    QFile::rename(dir.filePath("quenby.de.html"), share.filePath("quenby.de.html"));
    EXPECT_EQ(helpFilePath("quenby.html", {"de-CH"}, {dir.path(), share.path()}), share.filePath("quenby.de.html"));
}
