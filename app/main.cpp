#include "app/Startup.h"
#include "toolkit/Application.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    // Qt WebEngine shares OpenGL contexts with the application; this must be
    // set before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    return app::run(app);
}
