#pragma once
// "Decks": the eight card backs in a multi-column list on the table colour,
// the chosen one framed; OK or a double click takes the selected back.
#include <platform/colour.h>
#include <platform/picturelist.h>

#include <QDialog>
#include <array>

namespace quenby {

class DeckDialog : public QDialog {
    Q_OBJECT
public:
    // The backs in the order they are offered.
    static constexpr std::array<int, 8> Backs{189, 186, 184, 192, 185, 191, 193, 183};
    static constexpr int CellWidth = 91;
    static constexpr int CellHeight = 116;

    DeckDialog(int cardBackId, platform::ColorRef tableColour, QWidget* parent = nullptr);

    // The back of the selected item, 0 when none is selected.
    int SelectedBack() const;
    QListWidget* List() const { return list_; }

private:
    platform::PictureListBox* list_;
};

} // namespace quenby
