// SPDX-License-Identifier: GPL-3.0-or-later
#include "applicationui.h"
#include "commandline.h"

#include <bb/cascades/Application>

int main(int argc, char **argv)
{
    // Read before the GUI starts, so that --help and --version answer where
    // there is no display; Qt is left only its own options.
    if (const int exitCode = CommandLine::take(argc, argv); exitCode >= 0)
        return exitCode;
    bb::cascades::Application app(argc, argv);
    ApplicationUI appui;
    return bb::cascades::Application::exec();
}
