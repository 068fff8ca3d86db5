// The installer's dialog library, loaded by name: every template exists, and
// the procedures turn the user's clicks into the events and symbols the
// script reads.
#include <setupkit/dialogapi.h>

#include <gtest/gtest.h>
#include <textfit.h>

#include <QDialog>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <map>
#include <memory>

using namespace setupkit;

namespace {

class FakeHost final : public DialogHost {
public:
    std::map<QString, QString> symbols;
    QStringList events;
    int helpShown = 0;
    int helped = 0;

    QString symbol(const QString& name) const override
    {
        const auto it = symbols.find(name);
        return it == symbols.end() ? QString() : it->second;
    }
    void setSymbol(const QString& name, const QString& value) override { symbols[name] = value; }
    void endWith(const QString& event) override { events.append(event); }
    void showHelp() override { ++helpShown; }
    int helpedTemplate() const override { return helped; }
};

class DialogLibrary : public ::testing::Test {
protected:
    QLibrary library{QStringLiteral(SETUPDLG_PATH)};
    TemplateFactory make = nullptr;
    FakeHost host;

    void SetUp() override
    {
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        make = reinterpret_cast<TemplateFactory>(library.resolve(templateFactoryName));
        ASSERT_TRUE(make);
    }
    std::unique_ptr<QDialog> run(int templateId, const char* proc)
    {
        auto procedure = reinterpret_cast<DialogProc>(library.resolve(proc));
        std::unique_ptr<QDialog> dialog(make(templateId, nullptr));
        EXPECT_TRUE(procedure && dialog) << templateId << proc;
        if (procedure && dialog)
            procedure(dialog.get(), &host);
        return dialog;
    }
    static QPushButton* button(QDialog* dialog, const char* event)
    {
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->property("event").toString() == QLatin1String(event))
                return b;
        }
        return nullptr;
    }
};

} // namespace

TEST_F(DialogLibrary, EveryTemplateWithItsButtons)
{
    const struct {
        int id;
        QStringList events;
    } rows[] = {
        {200, {QStringLiteral("EXIT"), QStringLiteral("CONTINUE"), QStringLiteral("HELP")}},
        {300, {QStringLiteral("CONTINUE"), QStringLiteral("EXIT"), QStringLiteral("HELP")}},
        {400, {QStringLiteral("CONTINUE")}},
        {700, {QStringLiteral("CONTINUE")}},
        {900, {QStringLiteral("CONTINUE")}},
        {6400, {QStringLiteral("CONTINUE")}},
    };
    for (const auto& row : rows) {
        std::unique_ptr<QDialog> dialog(make(row.id, nullptr));
        ASSERT_TRUE(dialog) << row.id;
        EXPECT_FALSE(dialog->windowTitle().isEmpty()) << row.id;
        QStringList events;
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (!b->property("event").toString().isEmpty())
                events.append(b->property("event").toString());
        }
        EXPECT_EQ(events, row.events) << row.id;
    }
    EXPECT_EQ(make(500, nullptr), nullptr);
}

TEST_F(DialogLibrary, TheDestinationDialogHandsBackWhatWasTyped)
{
    host.symbols[QStringLiteral("EditTextIn")] = QStringLiteral("/home/a b/Tablewright/Quenby");
    host.symbols[QStringLiteral("EditFocus")] = QStringLiteral("END");
    auto dialog = run(300, "FEditDlgProc");
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("edit"));
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), QStringLiteral("/home/a b/Tablewright/Quenby"));
    EXPECT_EQ(edit->cursorPosition(), edit->text().size());

    QTest::keyClicks(edit, QStringLiteral("2"));
    button(dialog.get(), "HELP")->click();
    EXPECT_EQ(host.helpShown, 1);
    EXPECT_TRUE(host.events.isEmpty()) << "help does not end the dialog";
    button(dialog.get(), "CONTINUE")->click();
    EXPECT_EQ(host.symbols[QStringLiteral("EditTextOut")], QStringLiteral("/home/a b/Tablewright/Quenby2"));
    button(dialog.get(), "EXIT")->click();
    dialog->reject();
    EXPECT_EQ(host.events, (QStringList{QStringLiteral("CONTINUE"), QStringLiteral("EXIT"), QStringLiteral("CANCEL")}));
}

TEST_F(DialogLibrary, MessagesQuitAndHelp)
{
    auto quit = run(200, "FQuitDlgProc");
    button(quit.get(), "EXIT")->click();
    QTest::keyClick(quit.get(), Qt::Key_Escape);
    auto info = run(6400, "FInfo0DlgProc");
    button(info.get(), "CONTINUE")->click();
    EXPECT_EQ(host.events, (QStringList{QStringLiteral("EXIT"), QStringLiteral("CANCEL"), QStringLiteral("CONTINUE")}));

    // The help dialog explains the dialog it was asked from.
    QStringList texts;
    for (int helped : {200, 300}) {
        host.helped = helped;
        auto help = run(900, "FHelpDlgProc");
        texts.append(help->findChild<QLabel*>(QStringLiteral("text"))->text());
    }
    EXPECT_TRUE(texts[0].contains(QStringLiteral("Continue Setup")));
    EXPECT_TRUE(texts[1].contains(QStringLiteral("Tablewright group")));
}

namespace {

// Each dialog in each language setup is translated into ("en" as written):
// its buttons keep their mnemonics apart and every text fits its widget.
class DialogLibraryIn : public DialogLibrary, public ::testing::WithParamInterface<const char*> {
protected:
    QTranslator translator;

    void SetUp() override
    {
        DialogLibrary::SetUp();
        const QString code = QString::fromLatin1(GetParam());
        if (code != u"en") {
            ASSERT_TRUE(translator.load(QStringLiteral(SETUP_QM_DIR "/setup_%1.qm").arg(code)));
            QCoreApplication::installTranslator(&translator);
        }
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }
};

} // namespace

TEST_P(DialogLibraryIn, EveryDialogKeepsItsMnemonicsApartAndItsTextsInside)
{
    const bool english = GetParam() == std::string("en");
    const struct {
        int id;
        const char* proc;
        const char* englishTitle;
    } rows[] = {{200, "FQuitDlgProc", "Exit Setup"},          {300, "FEditDlgProc", "Destination Folder"},
                {400, "FInfo0DlgProc", "Setup Failed"},       {700, "FInfo0DlgProc", "Setup Complete"},
                {900, "FHelpDlgProc", "Setup Help"},          {6400, "FInfo0DlgProc", "Folder Not Accepted"}};
    for (const auto& row : rows) {
        host.helped = 300;
        const std::unique_ptr<QDialog> dialog = run(row.id, row.proc);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle() == QLatin1String(row.englishTitle), english) << row.id;
        QStringList texts;
        for (const QPushButton* b : dialog->findChildren<QPushButton*>())
            texts << b->text();
        EXPECT_TRUE(textfit::UniqueMnemonics(texts)) << row.id;
        EXPECT_TRUE(textfit::AllFit(*dialog)) << row.id;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogLibraryIn, ::testing::Values("en", "de", "fr", "es", "it"),
                         [](const auto& info) { return std::string(info.param); });
