#include "filedialogs.h"

#include <QFileDialog>

namespace tollmere {

QString AcceptedGamePath(const QString& chosen)
{
    if (chosen.contains(QLatin1Char('*')) || chosen.contains(QLatin1Char('?')))
        return {};
    return chosen;
}

QString AskGameFile(QWidget* owner, GameFileDialog kind)
{
    const bool save = kind == GameFileDialog::Save;
    QFileDialog dialog(owner, save ? QStringLiteral("Save Game") : QStringLiteral("Open Game"));
    // Qt's own dialog: the desktop's could wait on a portal that never answers.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QStringLiteral("*.Sol"));
    dialog.setDefaultSuffix(QStringLiteral("Sol"));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return AcceptedGamePath(dialog.selectedFiles().constFirst());
}

} // namespace tollmere
