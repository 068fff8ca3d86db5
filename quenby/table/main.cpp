#include "quenbyapp.h"

int main(int argc, char** argv)
{
    quenby::CQuenbyApp app(argc, argv);
    app.InitInstance();
    return app.exec();
}
