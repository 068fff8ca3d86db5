#include "tollmereapp.h"

int main(int argc, char** argv)
{
    tollmere::CTollmereApp app(argc, argv);
    app.InitInstance();
    return app.exec();
}
