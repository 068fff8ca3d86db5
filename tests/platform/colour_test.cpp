// The colour chooser: conversions of 0x00BBGGRR values and the dialog's OK and
// Cancel with the program's sixteen custom colours.
#include "platform/colour.h"
#include "platform/toolkitsettings.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QColorDialog* openDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QColorDialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

// Once the dialog is up, picks `pick`, adds it to the custom colours with the
// dialog's own button, and closes the dialog with OK or Cancel.
void driveDialog(QColor pick, bool ok, QColor* shownAtStart, bool* found)
{
    QTimer::singleShot(0, [=] {
        QColorDialog* dialog = openDialog();
        *found = dialog != nullptr;
        if (!dialog)
            return;
        *shownAtStart = dialog->currentColor();
        dialog->setCurrentColor(pick);
        for (auto* button : dialog->findChildren<QPushButton*>())
            if (button->text().contains("Custom"))
                button->click();
        ok ? dialog->accept() : dialog->reject();
    });
}

CustomColours greys()
{
    CustomColours custom{};
    for (std::size_t i = 0; i < custom.size(); ++i)
        custom[i] = ColorRef(i * 1052688);
    return custom;
}

} // namespace

TEST(Colour, ConversionsKeepRedInTheLowByte)
{
    EXPECT_EQ(toQColor(0x800080), QColor(0x80, 0x00, 0x80));
    EXPECT_EQ(toQColor(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(toQColor(0xFF123456), QColor(0x56, 0x34, 0x12)) << "the high byte is not colour";
    EXPECT_EQ(fromQColor(QColor(0x56, 0x34, 0x12)), 0x00123456u);
    EXPECT_EQ(fromQColor(QColor::fromHsv(0, 255, 255)), 0x0000FFu);
    EXPECT_EQ(makeColorRef(255, 255, 255), 16777215u);
}

TEST(Colour, OkGivesTheColourAndTheCustomColours)
{
    ColorRef colour = 0x800080;
    CustomColours custom = greys();
    QColor shown;
    bool found = false;
    driveDialog(QColor(0x11, 0x22, 0x33), true, &shown, &found);
    EXPECT_TRUE(chooseColour(nullptr, colour, custom));
    ASSERT_TRUE(found);
    EXPECT_EQ(shown, QColor(0x80, 0x00, 0x80)) << "opens at the current colour";
    EXPECT_EQ(colour, 0x332211u);

    const CustomColours before = greys();
    int replaced = 0;
    for (std::size_t i = 0; i < custom.size(); ++i)
        if (custom[i] != before[i]) {
            ++replaced;
            EXPECT_EQ(custom[i], 0x332211u);
        }
    EXPECT_EQ(replaced, 1);
}

TEST(Colour, CancelKeepsTheColourButNotTheOldCustomColours)
{
    ColorRef colour = 0x00FF00;
    CustomColours custom{};
    custom.fill(0xFFFFFF);
    custom[15] = 0x0000FF;
    QColor shown;
    bool found = false;
    driveDialog(QColor(0x44, 0x55, 0x66), false, &shown, &found);
    EXPECT_FALSE(chooseColour(nullptr, colour, custom));
    ASSERT_TRUE(found);
    EXPECT_EQ(shown, QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(colour, 0x00FF00u);
    EXPECT_EQ(std::count(custom.begin(), custom.end(), 0x665544u), 1) << "the added colour stays";
    EXPECT_EQ(std::count(custom.begin(), custom.end(), 0x0000FFu), 1) << "the program's colours were shown";
    EXPECT_EQ(std::count(custom.begin(), custom.end(), 0xFFFFFFu), 14);
}

TEST(Colour, TheDialogsLeaveNoSettingsFileOfTheToolkits)
{
    // Where the toolkit would keep its dialogs' settings.
    const QString toolkitFile =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/QtProject.conf";
    QFile::remove(toolkitFile);
    for (bool ok : {false, true}) {
        ColorRef colour = 0x800080;
        CustomColours custom = greys();
        QColor shown;
        bool found = false;
        driveDialog(QColor(0x12, 0x34, 0x56), ok, &shown, &found);
        chooseColour(nullptr, colour, custom);
        ASSERT_TRUE(found);
    }
    EXPECT_FALSE(QFile::exists(toolkitFile));
    // The file dialogs keep their folders there too.
    keepToolkitSettingsUnwritten();
    delete new QFileDialog;
    EXPECT_FALSE(QFile::exists(toolkitFile));
}
