// The same window with its controls, fonts and texts, but no banks and no
// sound: what the program's start-up and memory are measured against.
#include "probe.h"
#include "ui/main_window.h"
#include "ui/vista_or_fusion_style.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    teaser::MainWindow window;
    teaser::useVistaOrFusionStyle();
    window.show();
    return teaser::bench::runProbe(
        argc, argv, window, [] {}, [] { return true; });
}
