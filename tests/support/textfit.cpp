#include "textfit.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <map>

namespace textfit {

namespace {

// The letter after a single '&', lower-cased; none for "&&" or no '&'.
QChar Mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

QString Shown(QString text) { return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&'); }

int WidestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : Shown(text).split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

::testing::AssertionResult UniqueMnemonics(const QStringList& texts)
{
    std::map<QChar, QString> seen;
    for (const QString& text : texts) {
        const QChar letter = Mnemonic(text);
        if (letter.isNull())
            continue;
        if (const auto [at, added] = seen.emplace(letter, text); !added)
            return ::testing::AssertionFailure() << "\"" << at->second.toStdString() << "\" and \""
                                                 << text.toStdString() << "\" share the mnemonic "
                                                 << QString(letter).toStdString();
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult UniqueMnemonics(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator())
            texts << action->text();
    return UniqueMnemonics(texts);
}

::testing::AssertionResult UniqueMnemonics(const std::vector<QAction*>& actions)
{
    return UniqueMnemonics(QList<QAction*>(actions.begin(), actions.end()));
}

::testing::AssertionResult EachHasMnemonic(const QList<QAction*>& actions)
{
    for (const QAction* action : actions)
        if (!action->isSeparator() && !action->text().isEmpty() && Mnemonic(action->text()).isNull())
            return ::testing::AssertionFailure() << "no mnemonic in \"" << action->text().toStdString() << "\"";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AllFit(QWidget& dialog)
{
    dialog.ensurePolished();
    if (dialog.layout())
        dialog.layout()->activate();
    std::string overflows;
    const auto check = [&](const QWidget* widget, const QString& text, int needed, int room) {
        if (needed > room)
            overflows += "\n  \"" + text.toStdString() + "\" needs " + std::to_string(needed) + " pixels, has "
                         + std::to_string(room) + " (" + widget->metaObject()->className() + ")";
    };
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->wordWrap() && !label->text().isEmpty())
            check(label, label->text(), WidestLine(label->fontMetrics(), label->text()),
                  label->contentsRect().width() - 2 * label->margin());
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        // The label's room inside the button's bevel, as the style draws it.
        QStyleOptionButton option;
        option.initFrom(button);
        const int bevel = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        check(button, button->text(), WidestLine(button->fontMetrics(), button->text()) + bevel, button->width());
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        check(group, group->title(), WidestLine(group->fontMetrics(), group->title()), group->width());
    if (overflows.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "texts wider than their widgets in \""
                                         << dialog.windowTitle().toStdString() << "\":" << overflows;
}

} // namespace textfit
