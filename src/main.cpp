#include "applicationui.h"

#include <bb/cascades/Application>

int main(int argc, char **argv)
{
    bb::cascades::Application app(argc, argv);
    ApplicationUI appui;
    return bb::cascades::Application::exec();
}
