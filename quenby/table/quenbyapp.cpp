#include "quenbyapp.h"

#include "mainframe.h"
#include "quenbydoc.h"

#include <QIcon>
#include <QScreen>

namespace quenby {

CQuenbyApp::CQuenbyApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quenby"));
    setApplicationVersion(QStringLiteral("2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/quenby/icons/quenby.png")));
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
    // Sized as desktop window managers place a new window: three quarters of
    // the screen.
    frame_->resize(frame_->screen()->availableGeometry().size() * 3 / 4);
    frame_->show();
    frame_->FirstInitialUpdate();
    frame_->NewDocument();
}

} // namespace quenby
