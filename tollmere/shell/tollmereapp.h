#pragma once
// The application object: it makes the document and the window and shows the
// title picture. The command line is not read.
#include <QApplication>
#include <memory>

namespace tollmere {

class CMainFrame;
class CSolDoc;

class CTollmereApp : public QApplication {
    Q_OBJECT
public:
    CTollmereApp(int& argc, char** argv);
    ~CTollmereApp() override;
    void InitInstance();

private:
    std::unique_ptr<CSolDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace tollmere
