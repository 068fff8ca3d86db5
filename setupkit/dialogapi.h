#pragma once
// What the toolkit and a product's dialog library know of each other. The
// library exports one template factory and dialog procedures by name; the
// toolkit builds a template, hands it to the procedure named by the script,
// and waits until the procedure ends it with an event word.
#include <QString>

class QDialog;
class QWidget;

namespace setupkit {

// The toolkit as a dialog procedure sees it.
class DialogHost {
public:
    virtual QString symbol(const QString& name) const = 0;
    virtual void setSymbol(const QString& name, const QString& value) = 0;
    // Ends the wait for this dialog: "DLGEVENT" becomes `event`.
    virtual void endWith(const QString& event) = 0;
    // Shows the help template of this dialog on top of it, if it has one.
    virtual void showHelp() = 0;
    // The template number of the dialog a help dialog explains (0 when none).
    virtual int helpedTemplate() const = 0;

protected:
    ~DialogHost() = default;
};

// Exported as "SetupDlgTemplate": a new, unshown dialog for `templateId`, or
// null when the library has no such template.
using TemplateFactory = QDialog* (*)(int templateId, QWidget* parent);

// Every exported dialog procedure: fills the dialog from the toolkit's
// symbols and wires its buttons to end it through the host.
using DialogProc = void (*)(QDialog* dialog, DialogHost* host);

inline constexpr char templateFactoryName[] = "SetupDlgTemplate";

} // namespace setupkit
