#pragma once
// Checks of translated texts: each mnemonic used once among its neighbours,
// and every label, button and group title of a dialog within its widget.
#include <gtest/gtest.h>

#include <QList>

class QAction;
class QWidget;

namespace textfit {

// No two of these texts (menu items, or the buttons of one dialog) share a
// mnemonic letter.
::testing::AssertionResult UniqueMnemonics(const QStringList& texts);
::testing::AssertionResult UniqueMnemonics(const QList<QAction*>& actions);
::testing::AssertionResult UniqueMnemonics(const std::vector<QAction*>& actions);
// Every item of these (separators and untitled ones aside) has a mnemonic.
::testing::AssertionResult EachHasMnemonic(const QList<QAction*>& actions);

// Every single-line label, push button and group box title inside `dialog`
// is drawn within its widget's width; the failures name each text.
::testing::AssertionResult AllFit(QWidget& dialog);

} // namespace textfit
