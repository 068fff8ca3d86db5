#include "deckdialog.h"

#include "card.h"

#include <platform/dialogunits.h>

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace quenby {

namespace {

constexpr int BackRole = Qt::UserRole;

QColor ToQColor(platform::ColorRef colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

// Each cell: the table colour, the back 10 pixels in from the top-left corner,
// and for the selected one a black frame 5 pixels inside the cell.
class BackDelegate : public QStyledItemDelegate {
public:
    BackDelegate(QColor table, QObject* parent) : QStyledItemDelegate(parent), table_(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect cell = option.rect;
        painter->fillRect(cell, table_);
        if (option.state & QStyle::State_Selected) {
            painter->setPen(Qt::black);
            painter->setBrush(Qt::NoBrush);
            const QRect frame = cell.adjusted(5, 5, -5, -5);
            painter->drawRect(frame.adjusted(0, 0, -1, -1));
        }
        if (const auto image = LoadCardImage(index.data(BackRole).toInt()))
            painter->drawImage(cell.topLeft() + QPoint(10, 10), image->pixels);
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {DeckDialog::CellWidth, DeckDialog::CellHeight};
    }

private:
    QColor table_;
};

} // namespace

DeckDialog::DeckDialog(int cardBackId, platform::ColorRef tableColour, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Decks"));
    const QColor table = ToQColor(tableColour);

    // Laid out in dialog units of the default font at 8 point.
    QFont eightPoint = font();
    eightPoint.setPointSize(8);
    setFont(eightPoint);
    const platform::DialogUnits units(eightPoint);
    setFixedSize(units.Size(151, 114));

    // A multi-column list: the backs run down a column and on into the next,
    // one column 91 pixels wide after another.
    list_->setGeometry(units.Rect(4, 5, 140, 85));
    list_->setViewMode(QListView::ListMode);
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setGridSize(QSize(CellWidth, CellHeight));
    list_->setSpacing(0);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setItemDelegate(new BackDelegate(table, list_));
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base, table);
    list_->setPalette(palette);

    for (int back : Backs) {
        auto* item = new QListWidgetItem(list_);
        item->setData(BackRole, back);
        item->setSizeHint(QSize(CellWidth, CellHeight));
        if (back == cardBackId)
            list_->setCurrentItem(item);
    }
    if (!list_->currentItem() || list_->currentItem()->data(BackRole).toInt() != cardBackId)
        list_->clearSelection();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(units.Rect(17, 95, 50, 15));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(units.Rect(83, 95, 50, 15));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void DeckDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The chosen back is in view when the dialog opens.
    if (QListWidgetItem* current = list_->currentItem(); current && current->isSelected())
        list_->scrollToItem(current);
}

int DeckDialog::SelectedBack() const
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(BackRole).toInt();
}

} // namespace quenby
