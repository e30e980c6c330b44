// The entry of a benchmark that drives the window on Qt's offscreen platform.
#pragma once

#include <QApplication>

namespace varnel::bench {

// Runs `run` in an application on the offscreen platform; 0 when it reports its targets met.
inline int RunOffscreen(int argc, char* argv[], bool (*run)()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return run() ? 0 : 1;
}

}  // namespace varnel::bench
