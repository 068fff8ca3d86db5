#include "filedialogs.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>

namespace tollmere {

namespace {

constexpr char SavedGames[] = "*.Sol";
constexpr char Extension[] = "Sol";

// Brackets are ordinary letters in a name; only * and ? are wildcards.
QString LiteralBrackets(QString pattern) { return pattern.replace(QLatin1Char('['), QStringLiteral("[[]")); }

class GameDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    // In both dialogs a name that is an existing file (or folder) is taken as
    // it stands, and any other name holding * or ? lists the files it matches.
    void accept() override
    {
        const QStringList chosen = selectedFiles();
        const QFileInfo info(chosen.value(0));
        const bool save = acceptMode() == AcceptSave;
        if (chosen.size() != 1 || info.exists()) {
            QFileDialog::accept();
            return;
        }
        // The extension is added to names, not to patterns: "*" lists every file.
        QString pattern = info.fileName();
        auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (const QString typed = field ? QFileInfo(field->text()).fileName() : QString();
            pattern == typed + QLatin1Char('.') + QLatin1String(Extension))
            pattern = typed;
        const bool wildcard = pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?'));
        if (!wildcard || !info.dir().exists()) {
            if (save)
                QFileDialog::accept(); // a new file: the view reports a failed write
            else
                QMessageBox::warning(
                    this, windowTitle(),
                    QCoreApplication::translate("tollmere::GameDialog",
                                                "%1\nFile not found.\nPlease verify the correct file name was given.")
                        .arg(info.fileName()));
            return;
        }
        setDirectory(info.absolutePath());
        const QStringList filter{LiteralBrackets(pattern)};
        if (auto* model = findChild<QFileSystemModel*>())
            model->setNameFilters(filter);
        if (field) {
            field->setText(pattern);
            field->selectAll();
        }
        if (save && !QDirIterator(info.absolutePath(), filter, QDir::Files).hasNext())
            QMessageBox::warning(this, windowTitle(),
                                 QCoreApplication::translate("tollmere::GameDialog",
                                                            "No file matches %1, so the game was not saved.\n"
                                                            "A name with * or ? picks the files listed; "
                                                            "to save, choose a name without them.")
                                     .arg(pattern));
    }
};

} // namespace

QString AskGameFile(QWidget* owner, GameFileDialog kind)
{
    const bool save = kind == GameFileDialog::Save;
    GameDialog dialog(owner, save ? QCoreApplication::translate("tollmere::GameDialog", "Save Game")
                                  : QCoreApplication::translate("tollmere::GameDialog", "Open Game"));
    // Qt's own dialog: the desktop's could wait on a portal that never answers.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAccessibleDescription(
        save ? QCoreApplication::translate("tollmere::GameDialog", "Name the file to save this game in")
             : QCoreApplication::translate("tollmere::GameDialog", "Choose a saved game to open"));
    dialog.setNameFilter(QLatin1String(SavedGames));
    dialog.setDefaultSuffix(QLatin1String(Extension));
    // Both modes take any name, so that a typed pattern reaches accept().
    dialog.setFileMode(QFileDialog::AnyFile);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
    }
    // Selected, so that the first key typed replaces it.
    dialog.selectFile(QLatin1String(SavedGames));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace tollmere
