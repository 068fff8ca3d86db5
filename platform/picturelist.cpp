#include "platform/picturelist.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace platform {

namespace {

constexpr int ValueRole = Qt::UserRole;
constexpr int PictureRole = Qt::UserRole + 1;

class PictureDelegate : public QStyledItemDelegate {
public:
    PictureDelegate(QColor background, QSize cell, QObject* parent)
        : QStyledItemDelegate(parent), background_(background), cell_(cell)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect cell = option.rect;
        painter->fillRect(cell, background_);
        if (option.state & QStyle::State_Selected) {
            painter->setPen(Qt::black);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(cell.adjusted(5, 5, -6, -6));
        }
        painter->drawImage(cell.topLeft() + QPoint(10, 10), index.data(PictureRole).value<QImage>());
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return cell_; }

private:
    QColor background_;
    QSize cell_;
};

} // namespace

PictureListBox::PictureListBox(QColor background, QSize cell, QWidget* parent) : QListWidget(parent), cell_(cell)
{
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setGridSize(cell);
    setSpacing(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new PictureDelegate(background, cell, this));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background);
    setPalette(colours);
}

void PictureListBox::AddPicture(int value, const QImage& picture)
{
    auto* item = new QListWidgetItem(this);
    item->setData(ValueRole, value);
    item->setData(PictureRole, picture);
    item->setSizeHint(cell_);
}

void PictureListBox::Select(int value)
{
    clearSelection();
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(ValueRole).toInt() == value) {
            setCurrentItem(item(row));
            item(row)->setSelected(true);
            return;
        }
    }
    setCurrentItem(nullptr);
}

int PictureListBox::SelectedValue() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(ValueRole).toInt();
}

void PictureListBox::showEvent(QShowEvent* event)
{
    QListWidget::showEvent(event);
    // The chosen picture is in view when the list opens.
    if (QListWidgetItem* current = currentItem(); current && current->isSelected())
        scrollToItem(current);
}

} // namespace platform
