#include "deckdialog.h"

#include "card.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

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

    list_->setViewMode(QListView::IconMode);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setUniformItemSizes(true);
    list_->setGridSize(QSize(CellWidth, CellHeight));
    list_->setSpacing(0);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setItemDelegate(new BackDelegate(table, list_));
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base, table);
    list_->setPalette(palette);
    // Three cells a row and a little over two rows in view.
    list_->setMinimumSize(3 * CellWidth + 2 * list_->frameWidth() + 20, 2 * CellHeight + 2 * list_->frameWidth());

    for (int back : Backs) {
        auto* item = new QListWidgetItem(list_);
        item->setData(BackRole, back);
        item->setSizeHint(QSize(CellWidth, CellHeight));
        if (back == cardBackId)
            list_->setCurrentItem(item);
    }
    if (!list_->currentItem() || list_->currentItem()->data(BackRole).toInt() != cardBackId)
        list_->clearSelection();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

int DeckDialog::SelectedBack() const
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(BackRole).toInt();
}

} // namespace quenby
