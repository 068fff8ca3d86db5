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
    setWindowTitle(QStringLiteral("About Quenby"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QGuiApplication::windowIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    icon->setAccessibleName(QStringLiteral("Quenby icon"));

    auto* text = new QVBoxLayout;
    for (const char* line : {"Quenby", "Version 2.0", "Tablewright Patience", "Copyright \u00A9 Tablewright"}) {
        auto* label = new QLabel(QString::fromUtf8(line), this);
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
