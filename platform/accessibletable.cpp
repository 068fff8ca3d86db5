#include "accessibletable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>

namespace platform {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("platform::Cards", text); }

// The views that described a table, and the accessible object each has once a
// reader asked for it. Nothing is announced for a view no reader has seen.
struct Exposed {
    const AccessibleTable* table = nullptr;
    class TableInterface* iface = nullptr;
    // The announcement child appears with the view's first line.
    bool announces = false;
    QString said;
};
QHash<const QObject*, Exposed>& Views()
{
    static QHash<const QObject*, Exposed> views;
    return views;
}

const AccessibleTable* TableOf(const QObject* view)
{
    const auto it = Views().constFind(view);
    return it == Views().cend() ? nullptr : it->table;
}

QRect OnScreen(const QWidget* view, const QRect& rect)
{
    return QRect(view->mapToGlobal(rect.topLeft()), rect.size());
}

// The interfaces of piles, cards and the announcement are slots read live from
// the table: a slot stays one object while its index exists, so a reader's
// path to "the third pile" survives a move, and is deleted when a deal leaves
// fewer piles or a pile fewer cards.
class SlotInterface : public QAccessibleInterface {
public:
    SlotInterface(QWidget* view, int pile, int card) : view_(view), pile_(pile), card_(card) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    int Pile() const { return pile_; }
    int Card() const { return card_; }

private:
    bool IsAnnouncer() const { return pile_ < 0; }

    QPointer<QWidget> view_;
    int pile_; // -1: the announcement
    int card_; // -1: the pile itself
};

class TableInterface : public QAccessibleWidget {
public:
    TableInterface(QWidget* view, const AccessibleTable* table)
        : QAccessibleWidget(view, QAccessible::Pane), table_(table)
    {
        Exposed& exposed = Views()[view];
        exposed.iface = this;
        if (exposed.announces)
            announcer_ = Register(new SlotInterface(view, -1, -1));
    }
    ~TableInterface() override
    {
        // The cache deletes this with the view; the slots go with it.
        for (const auto& cards : cards_)
            Delete(cards);
        Delete(piles_);
        if (announcer_)
            QAccessible::deleteAccessibleInterface(announcer_);
        const auto it = Views().find(object());
        if (it != Views().end() && it->iface == this)
            it->iface = nullptr;
    }

    const AccessibleTable& Table() const { return *table_; }
    QWidget* View() const { return widget(); }

    int childCount() const override { return table_->PileCount() + (announcer_ ? 1 : 0); }
    QAccessibleInterface* child(int index) const override
    {
        const int piles = table_->PileCount();
        if (index >= 0 && index < piles)
            return PileSlot(index);
        if (index == piles && announcer_)
            return QAccessible::accessibleInterface(announcer_);
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* slot = dynamic_cast<const SlotInterface*>(child))
            return slot->Pile() >= 0 ? (slot->Card() < 0 ? slot->Pile() : -1) : table_->PileCount();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        // The topmost pile under the point: later piles are painted over earlier ones.
        for (int i = table_->PileCount() - 1; i >= 0; --i)
            if (OnScreen(View(), table_->Pile(i).rect).contains(x, y))
                return PileSlot(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const AccessibleTable::Focus focus = table_->KeyFocus();
        if (focus.pile < 0 || focus.pile >= table_->PileCount())
            return nullptr;
        QAccessibleInterface* pile = PileSlot(focus.pile);
        if (QAccessibleInterface* card = pile->focusChild())
            return card;
        return pile;
    }

    QAccessibleInterface* PileSlot(int pile) const
    {
        while (int(piles_.size()) <= pile)
            piles_.push_back(Register(new SlotInterface(View(), int(piles_.size()), -1)));
        return QAccessible::accessibleInterface(piles_[std::size_t(pile)]);
    }
    QAccessibleInterface* CardSlot(int pile, int card) const
    {
        if (int(cards_.size()) <= pile)
            cards_.resize(std::size_t(pile) + 1);
        auto& ids = cards_[std::size_t(pile)];
        while (int(ids.size()) <= card)
            ids.push_back(Register(new SlotInterface(View(), pile, int(ids.size()))));
        return QAccessible::accessibleInterface(ids[std::size_t(card)]);
    }

    // Brings the slots in line with the table: a slot beyond what the table
    // now holds is announced gone and deleted, a new one announced created.
    void Resync(int pile)
    {
        const int have = pile < int(cards_.size()) ? int(cards_[std::size_t(pile)].size()) : 0;
        const int want = int(table_->Pile(pile).cards.size());
        if (want > have) {
            for (int card = have; card < want; ++card)
                Notify(CardSlot(pile, card), QAccessible::ObjectCreated);
        } else if (want < have) {
            Trim(cards_[std::size_t(pile)], want);
        }
    }
    void ResyncAll()
    {
        const int piles = table_->PileCount();
        if (int(cards_.size()) > piles) {
            for (std::size_t i = std::size_t(piles); i < cards_.size(); ++i)
                Trim(cards_[i], 0);
            cards_.resize(std::size_t(piles));
        }
        const int had = int(piles_.size());
        Trim(piles_, piles);
        for (int pile = had; pile < piles; ++pile)
            Notify(PileSlot(pile), QAccessible::ObjectCreated);
        for (int pile = 0; pile < piles; ++pile) {
            Resync(pile);
            Notify(PileSlot(pile), QAccessible::NameChanged);
        }
    }

    // The announcement slot, made the first time the view says something.
    QAccessibleInterface* Announcer()
    {
        if (!announcer_) {
            announcer_ = Register(new SlotInterface(View(), -1, -1));
            Notify(QAccessible::accessibleInterface(announcer_), QAccessible::ObjectCreated);
        }
        return QAccessible::accessibleInterface(announcer_);
    }
    QString Said() const { return Views().value(object()).said; }

private:
    static QAccessible::Id Register(QAccessibleInterface* iface) { return QAccessible::registerAccessibleInterface(iface); }
public:
    static void Notify(QAccessibleInterface* iface, QAccessible::Event type)
    {
        QAccessibleEvent event(iface, type);
        QAccessible::updateAccessibility(&event);
    }
private:
    static void Delete(const std::vector<QAccessible::Id>& ids)
    {
        for (const QAccessible::Id id : ids)
            QAccessible::deleteAccessibleInterface(id);
    }
    static void Trim(std::vector<QAccessible::Id>& ids, int size)
    {
        while (int(ids.size()) > size) {
            if (QAccessibleInterface* gone = QAccessible::accessibleInterface(ids.back()))
                Notify(gone, QAccessible::ObjectDestroyed);
            QAccessible::deleteAccessibleInterface(ids.back());
            ids.pop_back();
        }
    }

    const AccessibleTable* table_;
    mutable std::vector<QAccessible::Id> piles_;
    mutable std::vector<std::vector<QAccessible::Id>> cards_;
    QAccessible::Id announcer_ = 0;
};

TableInterface* InterfaceOf(const QWidget* view)
{
    const auto it = Views().constFind(view);
    return it == Views().cend() ? nullptr : it->iface;
}

bool SlotInterface::isValid() const
{
    const TableInterface* table = view_ ? InterfaceOf(view_) : nullptr;
    if (!table)
        return false;
    if (IsAnnouncer())
        return true;
    if (pile_ >= table->Table().PileCount())
        return false;
    return card_ < 0 || card_ < int(table->Table().Pile(pile_).cards.size());
}

QAccessibleInterface* SlotInterface::parent() const
{
    TableInterface* table = view_ ? InterfaceOf(view_) : nullptr;
    if (!table)
        return nullptr;
    return card_ < 0 ? static_cast<QAccessibleInterface*>(table) : table->PileSlot(pile_);
}

int SlotInterface::childCount() const
{
    if (!isValid() || IsAnnouncer() || card_ >= 0)
        return 0;
    return int(InterfaceOf(view_)->Table().Pile(pile_).cards.size());
}

QAccessibleInterface* SlotInterface::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return InterfaceOf(view_)->CardSlot(pile_, index);
}

int SlotInterface::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* slot = dynamic_cast<const SlotInterface*>(child);
    return slot && slot->pile_ == pile_ && card_ < 0 && slot->card_ >= 0 ? slot->card_ : -1;
}

QAccessibleInterface* SlotInterface::childAt(int x, int y) const
{
    // The top card is painted last, so search from the top down.
    for (int i = childCount() - 1; i >= 0; --i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}

QAccessibleInterface* SlotInterface::focusChild() const
{
    if (!isValid() || IsAnnouncer() || card_ >= 0)
        return nullptr;
    const AccessibleTable::Focus focus = InterfaceOf(view_)->Table().KeyFocus();
    if (focus.pile != pile_ || focus.card < 0 || focus.card >= childCount())
        return nullptr;
    return child(focus.card);
}

QString SlotInterface::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    const TableInterface* table = InterfaceOf(view_);
    if (IsAnnouncer())
        return table->Said();
    const AccessiblePile pile = table->Table().Pile(pile_);
    return card_ < 0 ? pile.name : pile.cards[std::size_t(card_)].name;
}

QRect SlotInterface::rect() const
{
    if (!isValid() || IsAnnouncer())
        return {};
    const AccessiblePile pile = InterfaceOf(view_)->Table().Pile(pile_);
    return OnScreen(view_, card_ < 0 ? pile.rect : pile.cards[std::size_t(card_)].rect);
}

QAccessible::Role SlotInterface::role() const
{
    if (IsAnnouncer())
        return QAccessible::StatusBar;
    if (card_ >= 0)
        return QAccessible::ListItem;
    return isValid() && InterfaceOf(view_)->Table().Pile(pile_).button ? QAccessible::Button : QAccessible::List;
}

QAccessible::State SlotInterface::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    if (IsAnnouncer()) {
        state.readOnly = true;
        return state;
    }
    state.focusable = true;
    const AccessibleTable::Focus focus = InterfaceOf(view_)->Table().KeyFocus();
    state.focused = view_->hasFocus() && focus.pile == pile_ && focus.card == card_;
    return state;
}

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const AccessibleTable* table = TableOf(object);
    return table ? new TableInterface(static_cast<QWidget*>(object), table) : nullptr;
}

} // namespace

QString CardName(int rank, CardSuit suit)
{
    static const char* const Ranks[] = {
        QT_TRANSLATE_NOOP("platform::Cards", "Ace"),   QT_TRANSLATE_NOOP("platform::Cards", "Two"),
        QT_TRANSLATE_NOOP("platform::Cards", "Three"), QT_TRANSLATE_NOOP("platform::Cards", "Four"),
        QT_TRANSLATE_NOOP("platform::Cards", "Five"),  QT_TRANSLATE_NOOP("platform::Cards", "Six"),
        QT_TRANSLATE_NOOP("platform::Cards", "Seven"), QT_TRANSLATE_NOOP("platform::Cards", "Eight"),
        QT_TRANSLATE_NOOP("platform::Cards", "Nine"),  QT_TRANSLATE_NOOP("platform::Cards", "Ten"),
        QT_TRANSLATE_NOOP("platform::Cards", "Jack"),  QT_TRANSLATE_NOOP("platform::Cards", "Queen"),
        QT_TRANSLATE_NOOP("platform::Cards", "King"),
    };
    static const char* const Suits[] = {
        QT_TRANSLATE_NOOP("platform::Cards", "%1 of Clubs"),
        QT_TRANSLATE_NOOP("platform::Cards", "%1 of Diamonds"),
        QT_TRANSLATE_NOOP("platform::Cards", "%1 of Hearts"),
        QT_TRANSLATE_NOOP("platform::Cards", "%1 of Spades"),
    };
    Q_ASSERT(rank >= 1 && rank <= 13);
    return Tr(Suits[int(suit)]).arg(Tr(Ranks[rank - 1]));
}

QString FaceDownCardName() { return Tr(QT_TRANSLATE_NOOP("platform::Cards", "face-down card")); }

QString DescribePile(const QString& pileName, const QString& top, int count, int faceDown)
{
    if (count == 0)
        return Tr(QT_TRANSLATE_NOOP("platform::Cards", "%1: empty")).arg(pileName);
    const QString cards = count == 1 ? Tr(QT_TRANSLATE_NOOP("platform::Cards", "1 card"))
                                     : Tr(QT_TRANSLATE_NOOP("platform::Cards", "%1 cards")).arg(count);
    QString text = top.isEmpty()
                       ? Tr(QT_TRANSLATE_NOOP("platform::Cards", "%1: %2")).arg(pileName, cards)
                       : Tr(QT_TRANSLATE_NOOP("platform::Cards", "%1: %2 on top, %3")).arg(pileName, top, cards);
    // A pile face down throughout says so by naming no card.
    if (faceDown > 0 && (faceDown < count || !top.isEmpty()))
        text += Tr(QT_TRANSLATE_NOOP("platform::Cards", ", %1 face down")).arg(faceDown);
    return text;
}

void ExposeTable(QWidget* view, const AccessibleTable* table)
{
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
    Views()[view].table = table;
    QObject::connect(view, &QObject::destroyed, [view] { Views().remove(view); });
}

void PilesChanged(QWidget* view, std::span<const int> piles)
{
    TableInterface* iface = InterfaceOf(view);
    if (!iface)
        return;
    for (const int pile : piles) {
        if (pile < 0 || pile >= iface->Table().PileCount())
            continue;
        iface->Resync(pile);
        TableInterface::Notify(iface->PileSlot(pile), QAccessible::NameChanged);
    }
}

void TableReset(QWidget* view)
{
    if (TableInterface* iface = InterfaceOf(view))
        iface->ResyncAll();
}

void FocusChanged(QWidget* view)
{
    TableInterface* iface = InterfaceOf(view);
    if (!iface || !view->hasFocus())
        return;
    if (QAccessibleInterface* focused = iface->focusChild())
        TableInterface::Notify(focused, QAccessible::Focus);
}

void Announce(QWidget* view, const QString& line)
{
    const auto it = Views().find(view);
    if (it == Views().end())
        return;
    it->announces = true;
    it->said = line;
    if (TableInterface* iface = it->iface)
        TableInterface::Notify(iface->Announcer(), QAccessible::NameChanged);
}

} // namespace platform
