#pragma once
// "About Quenby...": the program icon, the product name, its version and the
// maker's lines, closed with "OK".
#include <QDialog>

namespace quenby {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace quenby
