#include "deckdialog.h"

#include <games/card.h>
#include <platform/dialogunits.h>

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace tollmere {

namespace {

constexpr int BackRole = Qt::UserRole;

// A cell: the table colour, the back 10 pixels in, and round the selected one
// a black frame 5 pixels inside the cell.
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
            painter->drawRect(cell.adjusted(5, 5, -6, -6));
        }
        painter->drawImage(cell.topLeft() + QPoint(10, 10), LoadImage(index.data(BackRole).toInt()));
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {DeckDialog::ColumnWidth, DeckDialog::ItemHeight};
    }

private:
    QColor table_;
};

} // namespace

DeckDialog::DeckDialog(ConfigBlock& config, QWidget* parent)
    : QDialog(parent), config_(config), list_(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Select A Deck"));
    const platform::DialogUnits du(font());
    setFixedSize(du.Size(300, 114));
    const QColor table = platform::toQColor(config.TableColour);

    // Cells run down each column, then on to the next column: with one cell
    // to a column's height the backs stand side by side and scroll across.
    list_->setGeometry(du.Rect(5, 5, 290, 85));
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setItemDelegate(new BackDelegate(table, list_));
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base, table);
    list_->setPalette(palette);
    for (int back : Backs) {
        auto* item = new QListWidgetItem(list_);
        item->setData(BackRole, back);
        item->setSizeHint(QSize(ColumnWidth, ItemHeight));
        if (back == config.CardBackId) {
            list_->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    if (SelectedBack() == 0)
        list_->setCurrentItem(nullptr);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(du.Rect(92, 95, 50, 15));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(du.Rect(158, 95, 50, 15));
    connect(ok, &QPushButton::clicked, this, &DeckDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &DeckDialog::accept);
}

int DeckDialog::SelectedBack() const
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(BackRole).toInt();
}

void DeckDialog::accept()
{
    if (const int back = SelectedBack())
        config_.CardBackId = back;
    QDialog::accept();
}

} // namespace tollmere
