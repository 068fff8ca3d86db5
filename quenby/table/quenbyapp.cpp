#include "quenbyapp.h"

#include "mainframe.h"
#include "quenbydoc.h"

#include <platform/toolkitsettings.h>
#include <platform/translations.h>
#include <quenby/resources/icon.h>

#include <QIcon>

namespace quenby {

CQuenbyApp::CQuenbyApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quenby"));
    setApplicationVersion(QStringLiteral("2.0"));
    setWindowIcon(QIcon(quenby_resources::windowIconPath()));
    // "Quenby.ini" stays the program's only file, whatever dialogs open.
    platform::keepToolkitSettingsUnwritten();
    // Before any window: every text is looked up as it is made.
    platform::installTranslations(QStringLiteral("quenby"));
}

CQuenbyApp::~CQuenbyApp()
{
    frame_.reset();
    doc_.reset();
}

void CQuenbyApp::InitInstance()
{
    doc_ = std::make_unique<CQuenbyDoc>();
    frame_ = std::make_unique<CMainFrame>(*doc_);
    frame_->StartUp();
}

} // namespace quenby
