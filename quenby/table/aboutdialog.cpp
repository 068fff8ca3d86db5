#include "aboutdialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace quenby {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About Quenby"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QGuiApplication::windowIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    icon->setAccessibleName(tr("Quenby icon"));

    auto* text = new QVBoxLayout;
    // The names and the notice stay as they are in every language.
    for (const QString& line : {QStringLiteral("Quenby"), tr("Version 2.0"), QStringLiteral("Tablewright Patience"),
                                QStringLiteral("Copyright \u00A9 Tablewright")}) {
        auto* label = new QLabel(line, this);
        text->addWidget(label);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quenby
