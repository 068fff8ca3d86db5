#include "recorddialog.h"

#include <games/card.h>
#include <games/codes.h>
#include <games/gametable.h>
#include <platform/dialogunits.h>

#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>

namespace tollmere {

namespace {

constexpr int PictureRole = Qt::UserRole;

// Each row whole, whether selected or not: the teal band, the game's picture,
// a black line along its top, the name in cyan, played in purple, won in
// green.
class RecordDelegate : public QStyledItemDelegate {
public:
    RecordDelegate(const ConfigBlock& records, const QFont& font, QObject* parent)
        : QStyledItemDelegate(parent), records_(records), nameFont_(font)
    {
        // The names' box is 110 pixels wide: a long name is set a little
        // smaller rather than cut off.
        for (std::size_t game = 0; game < Games.size(); ++game)
            while (QFontMetrics(nameFont_).horizontalAdvance(GameName(game)) > NameWidth - 2
                   && nameFont_.pointSizeF() > 6)
                nameFont_.setPointSizeF(nameFont_.pointSizeF() - 0.5);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect item = option.rect;
        const int x = item.left();
        const int y = item.top();
        const std::size_t game = std::size_t(index.row());
        painter->save();
        painter->fillRect(item, QColor(0, 128, 128));
        painter->drawImage(QPoint(x + 5, y + 5),
                           LoadImage(index.data(PictureRole).toInt(), painter->device()->devicePixelRatioF()));
        painter->setPen(Qt::black);
        painter->drawLine(item.left(), y, item.right(), y);
        const auto line = [&](QColor colour, QRect box, const QString& text) {
            painter->setPen(colour);
            painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        };
        painter->setFont(nameFont_);
        line(QColor(0, 255, 255), QRect(QPoint(x + 40, y), QPoint(x + 40 + NameWidth, y + 40) - QPoint(1, 1)),
             GameName(game));
        painter->setFont(option.font);
        line(QColor(128, 0, 128), QRect(QPoint(x + 160, y + 5), QPoint(x + 210, y + 40) - QPoint(1, 1)),
             QString::number(records_.Played[game]));
        line(QColor(0, 255, 0), QRect(QPoint(x + 220, y + 5), QPoint(x + 270, y + 40) - QPoint(1, 1)),
             QString::number(records_.Won[game]));
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), RecordListBox::ItemHeight};
    }

private:
    static constexpr int NameWidth = 110;
    const ConfigBlock& records_;
    QFont nameFont_;
};

QLabel* Label(QWidget* parent, const QString& text, const QRect& at, Qt::Alignment align = Qt::AlignLeft)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    label->setAlignment(align | Qt::AlignTop);
    return label;
}

QLabel* ProgramIcon(QWidget* parent, QPoint at)
{
    auto* icon = new QLabel(parent);
    icon->setPixmap(QGuiApplication::windowIcon().pixmap(32, 32));
    icon->setGeometry(QRect(at, QSize(32, 32)));
    return icon;
}

QPushButton* Button(QDialog* dialog, const QString& text, const QRect& at, bool isDefault)
{
    auto* button = new QPushButton(text, dialog);
    button->setGeometry(at);
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    return button;
}

// A text longer than its place (a translation) widens the widget to the
// right and moves the widget after it on its line along; a text that fits
// keeps the place the dialog gives it.
void Widen(QWidget* widget, const QString& text, int margin, QWidget* next = nullptr)
{
    const int grow = widget->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) + margin - widget->width();
    if (grow <= 0)
        return;
    widget->resize(widget->width() + grow, widget->height());
    if (next)
        next->move(next->x() + grow, next->y());
}

} // namespace

RecordListBox::RecordListBox(const ConfigBlock& records, QWidget* parent) : QListWidget(parent), records_(records)
{
    setAccessibleName(tr("Record"));
    setAccessibleDescription(tr("Games played and won, for each game"));
    setItemDelegate(new RecordDelegate(records, font(), this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::StyledPanel);
    for (std::size_t i = 0; i < Games.size(); ++i) {
        auto* item = new QListWidgetItem(this);
        item->setData(PictureRole, 223 + int(i));
        item->setSizeHint(QSize(0, ItemHeight));
    }
    NameRows();
}

void RecordListBox::NameRows()
{
    // The rows are drawn, not written: a reader gets their words here.
    for (std::size_t i = 0; i < Games.size(); ++i)
        item(int(i))->setData(Qt::AccessibleTextRole, tr("%1: played %2, won %3")
                                                          .arg(GameName(i))
                                                          .arg(records_.Played[i])
                                                          .arg(records_.Won[i]));
}

RecordDialog::RecordDialog(ConfigBlock& records, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tollmere"));
    const platform::DialogUnits du(font());
    setFixedSize(du.Size(205, 199));

    auto* group = new QGroupBox(tr(" Record "), this);
    group->setGeometry(du.Rect(5, 5, 195, 170));
    ProgramIcon(this, du.Rect(15, 20, 0, 0).topLeft());
    QLabel* played = Label(this, tr("Played :"), du.Rect(50, 25, 30, 10));
    playedTotal_ = Label(this, QString::number(records.TotalPlayed()), du.Rect(85, 25, 30, 10));
    Widen(played, played->text(), 0, playedTotal_);
    QLabel* won = Label(this, tr("Won :"), du.Rect(130, 25, 25, 10));
    wonTotal_ = Label(this, QString::number(records.TotalWon()), du.Rect(160, 25, 30, 10));
    Widen(won, won->text(), 0, wonTotal_);
    reset_ = Button(this, tr("Reset"), du.Rect(15, 45, 35, 12), false);
    Widen(reset_, reset_->text(), style()->pixelMetric(QStyle::PM_ButtonMargin));
    Label(this, tr("Played"), du.Rect(105, 50, 30, 10), Qt::AlignHCenter);
    Label(this, tr("Wins"), du.Rect(145, 50, 30, 10), Qt::AlignHCenter);

    list_ = new RecordListBox(records, this);
    list_->setGeometry(du.Rect(10, 65, 185, 105));
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base, platform::toQColor(records.TableColour));
    list_->setPalette(palette);

    QPushButton* ok = Button(this, tr("OK"), du.Rect(77, 178, 50, 15), true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // The totals keep what they showed when the dialog opened.
    connect(reset_, &QPushButton::clicked, this, [this, &records] {
        records.ResetRecords();
        list_->NameRows();
        list_->viewport()->update();
    });
}

WinDialog::WinDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tollmere"));
    const platform::DialogUnits du(font());
    setFixedSize(du.Size(115, 74));
    auto* group = new QGroupBox(tr(" Congratulations "), this);
    group->setGeometry(du.Rect(5, 5, 105, 45));
    ProgramIcon(this, du.Rect(15, 20, 0, 0).topLeft());
    Label(this, tr("You Win !"), du.Rect(45, 25, 45, 10));
    QPushButton* ok = Button(this, tr("OK"), du.Rect(32, 55, 50, 14), true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tollmere
