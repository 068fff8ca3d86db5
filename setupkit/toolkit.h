#pragma once
// The setup toolkit: what an installation script calls on. It owns the frame
// window, the symbols dialogs read and write, the distribution's description,
// the copy list and the program groups. Every call that can fail says so, and
// the script decides what a failure means.
//
// The command line belongs to the toolkit: "--responses FILE" answers every
// dialog from FILE instead of showing it (see answers.h).
#include <QFunctionPointer>
#include <QString>

class QCoreApplication;
class QWidget;

namespace setupkit {

// Frame (user-interface layer). initFrame returns 1 when started, 0 when a
// setup is already running for this user, -1 when it cannot start (a bad
// command line, no display, no dialog library).
int initFrame(int& argc, char** argv);
QCoreApplication* frameInstance();
QWidget* frameWindow(); // null when unattended
bool setFrameTitle(const QString& title);
void terminateFrame();

// Install layer, started on the frame's instance and window.
bool initInstall(QCoreApplication* instance, QWidget* window);
void terminateInstall();

// Symbols. readSymbol puts at most bufferSize - 1 characters of the value in
// `value`, as a fixed buffer would, and returns the value's whole length, so
// a result of bufferSize or more means it did not fit.
bool setSymbol(const QString& name, const QString& value);
int readSymbol(const QString& name, QString& value, int bufferSize);

// Opens the distribution's description; "STF_SRCDIR" becomes its folder with
// a trailing '/'.
bool openInf(const QString& path);

// Copy list: the files of an INF section, each a plain name inside
// `sourceDir` that must be a regular file there (not a link), to the same name in
// `destinationDir` (both absolute).
bool clearCopyList();
bool addSectionToCopyList(const QString& section, const QString& sourceDir,
                          const QString& destinationDir);
// The copy fills `share` of a progress gauge of `scale`.
bool setCopyGauge(int scale, int share);
// 0 when every file was copied, 48 when the user stopped the copy, another
// positive number for a failure.
int copyFilesInCopyList();

void showWaitCursor();
void restoreCursor();

// Dialogs of the product's dialog library, by template number and procedure
// name; the event comes back in "DLGEVENT". A dialog stays up until closed.
bool runDialog(int templateId, const char* procName, int helpTemplate = 0);
void closeDialogs(int levels);
void closeAllDialogs();
void stopMessage(const QString& text, const QString& title);
// Handles every waiting window message without blocking; false when one of
// them asked the program to quit.
bool pumpMessages();

// Program groups of the desktop's application menu, for every user when
// `common` is set and the toolkit runs as root, else for this user.
bool createGroup(const QString& group, const QString& groupFile, int common);
bool showGroup(const QString& group, const QString& showCommand, int flag);
// `commandLine` is a file's absolute path, followed by "," and `iconFile`
// when one is given; at most `maxChars` long. Only a given icon is split
// off, so a comma in the path stays in the path. Programs are run, other
// files opened.
bool createItem(const QString& group, const QString& item, const QString& commandLine, int maxChars,
                const QString& iconFile = {});

// Shared libraries by bare name ("setupreg" -> libsetupreg.so), looked for
// beside the program first. Handles are null on failure.
void* loadLibraryByName(const QString& name);
QFunctionPointer resolveFunction(void* library, const char* name);
void freeLibrary(void* library);

} // namespace setupkit
