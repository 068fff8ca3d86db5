#pragma once
// An owner-drawn, multi-column list box of pictures: the cells run down a
// column and on into the next, each filled with a background colour and its
// picture 10 pixels in; the selected cell carries a black frame 5 pixels
// inside it. It has both scroll bars and shows its selection when it opens.
#include <QListWidget>

namespace platform {

class PictureListBox : public QListWidget {
    Q_OBJECT
public:
    PictureListBox(QColor background, QSize cell, QWidget* parent = nullptr);

    // A cell showing `picture`, known by `value`.
    void AddPicture(int value, const QImage& picture);
    // Selects the cell of `value`; no cell when none has it.
    void Select(int value);
    // The value of the selected cell, 0 when none is selected.
    int SelectedValue() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QSize cell_;
};

} // namespace platform
