#pragma once
// "Select A Deck": the nine card backs in a multi-column list on the table
// colour, the chosen one framed. OK or a double click takes the selected
// back; Cancel keeps the old one.
#include "configblock.h"

#include <platform/picturelist.h>

#include <QDialog>
#include <array>

namespace tollmere {

class DeckDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr std::array<int, 9> Backs{195, 205, 206, 213, 215, 216, 218, 219, 220};
    static constexpr int ColumnWidth = 91;
    static constexpr int ItemHeight = 116;

    DeckDialog(ConfigBlock& config, QWidget* parent = nullptr);

    platform::PictureListBox* List() const { return list_; }
    // The back of the selected cell, 0 when none is selected.
    int SelectedBack() const;

    void accept() override;

private:
    ConfigBlock& config_;
    platform::PictureListBox* list_;
};

} // namespace tollmere
