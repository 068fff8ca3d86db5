#pragma once
// The two faces of the toolkit: dialogs on the screen, or answers read from a
// response file for unattended installs. The toolkit calls one of them for
// everything the user would see.
#include "copyengine.h"

#include <QHash>
#include <QString>

#include <vector>

namespace setupkit {

using SymbolTable = QHash<QString, QString>;

class Frontend {
public:
    virtual ~Frontend() = default;

    virtual void setTitle(const QString& title) = 0;
    // Runs template `templateId` with the procedure named `procName`, reusing
    // the top dialog when it is the same, until the user gives an event,
    // which is stored in "DLGEVENT". False when the dialog cannot be run.
    virtual bool runDialog(int templateId, const QString& procName, int helpTemplate,
                           SymbolTable& symbols) = 0;
    // Closes the top `levels` dialogs; a negative number closes all.
    virtual void closeDialogs(int levels) = 0;
    // Copies with a progress display the user may stop; `share` of a gauge
    // of `scale` is filled by this copy.
    virtual CopyResult copy(const std::vector<CopyItem>& items, int scale, int share) = 0;
    // A message with the stop icon, waited for.
    virtual void stopMessage(const QString& text, const QString& title) = 0;
    virtual void setWaitCursor(bool on) = 0;
    // Whether a request to quit (the frame closed) came since the last call.
    virtual bool takeQuitRequest() = 0;
};

} // namespace setupkit
