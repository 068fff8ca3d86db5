// The installer's dialogs: templates 200 (leave setup?), 300 (destination
// folder), 400 (failure), 700 (finished), 900 (help) and 6400 (folder not
// accepted), and the procedures that bring them to life. Loaded by the
// toolkit at run time; every entry point is exported by its plain name.
#include <setupkit/dialogapi.h>

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

using setupkit::DialogHost;

namespace {

// The library's texts, translated in the application that loads it.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(setupdlg)
};

struct Button {
    const char* text;
    const char* event; // the event word it gives, or "HELP"
    bool isDefault = false;
};

QLabel* addText(QDialog* dialog, QVBoxLayout* column, const QString& text)
{
    auto* label = new QLabel(text, dialog);
    label->setObjectName(QStringLiteral("text"));
    label->setWordWrap(true);
    label->setMinimumWidth(380);
    column->addWidget(label);
    return label;
}

void addButtons(QDialog* dialog, QVBoxLayout* column, std::initializer_list<Button> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const Button& b : buttons) {
        auto* button = new QPushButton(Text::tr(b.text), dialog);
        button->setProperty("event", QString::fromLatin1(b.event));
        button->setDefault(b.isDefault);
        button->setAutoDefault(b.isDefault);
        row->addWidget(button);
    }
    column->addLayout(row);
}

// A dialog with an icon beside a column of text, fields and buttons.
QVBoxLayout* frame(QDialog* dialog, const QString& title, QStyle::StandardPixmap icon)
{
    dialog->setWindowTitle(title);
    auto* outer = new QHBoxLayout(dialog);
    auto* picture = new QLabel(dialog);
    picture->setPixmap(dialog->style()->standardIcon(icon).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    outer->addWidget(picture);
    auto* column = new QVBoxLayout;
    outer->addLayout(column, 1);
    return column;
}

QDialog* destinationTemplate(QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    QVBoxLayout* column = frame(dialog, Text::tr("Destination Folder"), QStyle::SP_DirIcon);
    addText(dialog, column,
            Text::tr("Setup will install Quenby in the folder below, and make the folder if it does not exist "
                     "yet.\n\nTo install Quenby somewhere else, type the full path of another folder (~/ stands for "
                     "your home folder), or choose Browse."));
    auto* row = new QHBoxLayout;
    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(QStringLiteral("edit"));
    edit->setMinimumWidth(300);
    auto* browse = new QPushButton(Text::tr("&Browse..."), dialog);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAutoDefault(false);
    row->addWidget(edit, 1);
    row->addWidget(browse);
    column->addLayout(row);
    addButtons(dialog, column,
               {{QT_TRANSLATE_NOOP("setupdlg", "&Continue"), "CONTINUE", true},
                {QT_TRANSLATE_NOOP("setupdlg", "E&xit Setup"), "EXIT"},
                {QT_TRANSLATE_NOOP("setupdlg", "&Help"), "HELP"}});
    return dialog;
}

constexpr Button OkButton{QT_TRANSLATE_NOOP("setupdlg", "OK"), "CONTINUE", true};

QDialog* messageTemplate(QWidget* parent, const QString& title, QStyle::StandardPixmap icon, const QString& text,
                         std::initializer_list<Button> buttons = {OkButton})
{
    auto* dialog = new QDialog(parent);
    QVBoxLayout* column = frame(dialog, title, icon);
    addText(dialog, column, text);
    addButtons(dialog, column, buttons);
    return dialog;
}

QString helpText(int helped)
{
    switch (helped) {
    case 200:
        return Text::tr("Exit Setup ends Setup now: Quenby is not installed and nothing more is copied.\n\nContinue "
                        "Setup takes you back to where you were.");
    case 300:
        return Text::tr("Setup copies the program Quenby, its sounds and its instructions into the folder you "
                        "choose, then adds a Tablewright group holding Quenby and Quenby Instructions to your "
                        "application menu.\n\nThe folder is made if it does not exist; files of an earlier "
                        "installation in it are replaced. It cannot be the folder Setup was started "
                        "from.\n\nContinue installs into the folder shown. Exit Setup leaves without installing.");
    default:
        return Text::tr("Setup installs Quenby and adds it to your application menu.");
    }
}

// Buttons give their event word; Escape and the close button give "CANCEL".
void wireButtons(QDialog* dialog, DialogHost* host, const std::function<void()>& beforeEnd = {})
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        const QString event = button->property("event").toString();
        if (event.isEmpty())
            continue;
        QObject::connect(button, &QPushButton::clicked, dialog, [=] {
            if (event == u"HELP") {
                host->showHelp();
                return;
            }
            if (beforeEnd)
                beforeEnd();
            host->endWith(event);
        });
    }
    QObject::connect(dialog, &QDialog::rejected, dialog, [=] { host->endWith(QStringLiteral("CANCEL")); });
}

} // namespace

extern "C" {

Q_DECL_EXPORT QDialog* SetupDlgTemplate(int templateId, QWidget* parent)
{
    switch (templateId) {
    case 200:
        return messageTemplate(parent, Text::tr("Exit Setup"), QStyle::SP_MessageBoxQuestion,
                               Text::tr("Quenby is not installed yet.\n\nIf you exit now, nothing more is copied. "
                                        "You can run Setup again at any time to install Quenby."),
                               {{QT_TRANSLATE_NOOP("setupdlg", "E&xit Setup"), "EXIT"},
                                {QT_TRANSLATE_NOOP("setupdlg", "&Continue Setup"), "CONTINUE", true},
                                {QT_TRANSLATE_NOOP("setupdlg", "&Help"), "HELP"}});
    case 300: return destinationTemplate(parent);
    case 400:
        return messageTemplate(parent, Text::tr("Setup Failed"), QStyle::SP_MessageBoxCritical,
                               Text::tr("Setup could not install Quenby.\n\nSome of its files may be missing from "
                                        "the folder Setup was started from, or the destination folder could not be "
                                        "written. Check both, then run Setup again."));
    case 700:
        return messageTemplate(parent, Text::tr("Setup Complete"), QStyle::SP_MessageBoxInformation,
                               Text::tr("Quenby is installed.\n\nYou will find Quenby and Quenby Instructions in the "
                                        "Tablewright group of your application menu."));
    case 900: // its text depends on the dialog it explains
        return messageTemplate(parent, Text::tr("Setup Help"), QStyle::SP_MessageBoxInformation, QString(),
                               {{QT_TRANSLATE_NOOP("setupdlg", "&Close"), "CONTINUE", true}});
    case 6400:
        return messageTemplate(parent, Text::tr("Folder Not Accepted"), QStyle::SP_MessageBoxWarning,
                               Text::tr("Quenby cannot be installed in that folder.\n\nType the full path of a "
                                        "folder you are allowed to write to, starting with / (or ~/ for your home "
                                        "folder). It must not be the folder Setup was started from."));
    default: return nullptr;
    }
}

// The destination dialog: the field starts as "EditTextIn", with the cursor
// where "EditFocus" says ("END", "ALL" or the start); Continue leaves the
// field in "EditTextOut".
Q_DECL_EXPORT void FEditDlgProc(QDialog* dialog, DialogHost* host)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("edit"));
    if (!edit)
        return;
    edit->setText(host->symbol(QStringLiteral("EditTextIn")));
    const QString focus = host->symbol(QStringLiteral("EditFocus"));
    const auto placeCursor = [edit, focus] {
        if (focus == u"ALL")
            edit->selectAll();
        else if (focus == u"END")
            edit->end(false);
        else
            edit->home(false);
    };
    placeCursor();
    edit->setFocus();
    // Showing the dialog focuses the field as a Tab would, selecting it all.
    QTimer::singleShot(0, edit, placeCursor);
    if (auto* browse = dialog->findChild<QPushButton*>(QStringLiteral("browse"))) {
        QObject::connect(browse, &QPushButton::clicked, dialog, [=] {
            const QString chosen = QFileDialog::getExistingDirectory(dialog, Text::tr("Install Quenby In"),
                                                                     edit->text());
            if (!chosen.isEmpty())
                edit->setText(chosen);
        });
    }
    wireButtons(dialog, host, [=] { host->setSymbol(QStringLiteral("EditTextOut"), edit->text()); });
}

Q_DECL_EXPORT void FQuitDlgProc(QDialog* dialog, DialogHost* host)
{
    wireButtons(dialog, host);
}

Q_DECL_EXPORT void FInfo0DlgProc(QDialog* dialog, DialogHost* host)
{
    wireButtons(dialog, host);
}

// Help for the dialog it was asked from.
Q_DECL_EXPORT void FHelpDlgProc(QDialog* dialog, DialogHost* host)
{
    if (auto* text = dialog->findChild<QLabel*>(QStringLiteral("text")))
        text->setText(helpText(host->helpedTemplate()));
    wireButtons(dialog, host);
}

} // extern "C"
