#include <QApplication>

#include "framework/Toolkit.h"

namespace framework {

int RunWithToolkit(int argc, char** argv, const std::function<int()>& run) {
    QApplication application(argc, argv);
    return run();
}

}  // namespace framework
