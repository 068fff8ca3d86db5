#include "deckdialog.h"

#include <games/card.h>
#include <platform/dialogunits.h>

#include <QPushButton>

namespace tollmere {

DeckDialog::DeckDialog(ConfigBlock& config, QWidget* parent)
    : QDialog(parent), config_(config),
      list_(new platform::PictureListBox(platform::toQColor(config.TableColour), {ColumnWidth, ItemHeight}, this))
{
    setWindowTitle(tr("Select A Deck"));
    const platform::DialogUnits du(font());
    setFixedSize(du.Size(300, 114));

    // Cells run down each column, then on to the next column: with one cell
    // to a column's height the backs stand side by side and scroll across.
    list_->setGeometry(du.Rect(5, 5, 290, 85));
    for (int back : Backs)
        list_->AddPicture(back, LoadImage(back, devicePixelRatioF()));
    // The backs are pictures only: a reader needs words for each.
    list_->setAccessibleName(tr("Card backs"));
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setData(Qt::AccessibleTextRole,
                                tr("Card back %1 of %2").arg(i + 1).arg(list_->count()));
    list_->Select(config.CardBackId);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(du.Rect(92, 95, 50, 15));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(du.Rect(158, 95, 50, 15));
    connect(ok, &QPushButton::clicked, this, &DeckDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &DeckDialog::accept);
}

int DeckDialog::SelectedBack() const { return list_->SelectedValue(); }

void DeckDialog::accept()
{
    if (const int back = SelectedBack())
        config_.CardBackId = back;
    QDialog::accept();
}

} // namespace tollmere
