#include "deckdialog.h"

#include "card.h"

#include <platform/dialogunits.h>
#include <platform/picturelist.h>

#include <QPushButton>

namespace quenby {

DeckDialog::DeckDialog(int cardBackId, platform::ColorRef tableColour, QWidget* parent)
    : QDialog(parent), list_(new platform::PictureListBox(platform::toQColor(tableColour), {CellWidth, CellHeight}, this))
{
    setWindowTitle(tr("Decks"));

    // Laid out in dialog units of the default font at 8 point.
    QFont eightPoint = font();
    eightPoint.setPointSize(8);
    setFont(eightPoint);
    const platform::DialogUnits units(eightPoint);
    setFixedSize(units.Size(151, 114));

    // The backs run down a column and on into the next, one column 91 pixels
    // wide after another.
    list_->setGeometry(units.Rect(4, 5, 140, 85));
    for (int back : Backs)
        if (const auto image = LoadCardImage(back))
            list_->AddPicture(back, image->At(devicePixelRatioF()));
    list_->Select(cardBackId);
    // The cells are pictures without text: each says which back it is.
    list_->setAccessibleName(tr("Card backs"));
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setData(Qt::AccessibleTextRole,
                                tr("Card back %1 of %2").arg(i + 1).arg(list_->count()));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(units.Rect(17, 95, 50, 15));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(units.Rect(83, 95, 50, 15));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int DeckDialog::SelectedBack() const { return list_->SelectedValue(); }

} // namespace quenby
