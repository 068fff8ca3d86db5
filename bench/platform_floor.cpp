// The window system's own share of a start and of a drag, to read the
// figures of our programs against: measured from outside the same way
// (measure.sh -n Floor), this program does only what every Qt program does.
//   platform_floor           a main window with a menu bar over a table that
//                            paints itself whole and ignores the mouse
//   platform_floor --window  a bare window with no widgets, nothing painted
// Its size is that of our programs' first start: three quarters of the screen.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

class Table : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 128, 0)); }
};

QSize FirstStartSize(const QScreen* screen) { return screen->availableGeometry().size() * 3 / 4; }

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Floor");

    if (app.arguments().contains(QStringLiteral("--window"))) {
        QWindow window;
        window.setTitle(title);
        window.resize(FirstStartSize(window.screen()));
        window.show();
        return app.exec();
    }

    QMainWindow frame;
    frame.setWindowTitle(title);
    QMenu* game = frame.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&Deal"));
    game->addSeparator();
    game->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    frame.menuBar()->addMenu(QStringLiteral("&Options"))->addAction(QStringLiteral("&Sound"));
    frame.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    frame.setCentralWidget(new Table);
    frame.resize(FirstStartSize(frame.screen()));
    frame.show();
    return app.exec();
}
