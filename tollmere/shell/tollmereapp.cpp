#include "tollmereapp.h"

#include "configblock.h"
#include "mainframe.h"
#include "soldoc.h"

#include <platform/toolkitsettings.h>
#include <platform/translations.h>
#include <tollmere/resources/icon.h>

#include <QIcon>

namespace tollmere {

CTollmereApp::CTollmereApp(int& argc, char** argv) : QApplication(argc, argv)
{
    platform::installTranslations(QStringLiteral("tollmere"));
    setApplicationName(QStringLiteral("Tollmere"));
    setApplicationVersion(QStringLiteral("1.0"));
    setWindowIcon(QIcon(tollmere_resources::windowIconPath()));
    // Tollmere.cfg stays the program's only file, whatever the dialogs do.
    platform::keepToolkitSettingsUnwritten();
}

CTollmereApp::~CTollmereApp()
{
    frame_.reset();
    doc_.reset();
}

void CTollmereApp::InitInstance()
{
    doc_ = std::make_unique<CSolDoc>();
    frame_ = std::make_unique<CMainFrame>(*doc_, QString::fromLatin1(ConfigBlock::FileName));
    frame_->StartUp();
}

} // namespace tollmere
