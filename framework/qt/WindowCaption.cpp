#include "framework/qt/WindowCaption.h"

#include <QWidget>

namespace framework {

namespace {

constexpr char16_t kEmptyTitle = u'\u200B';

}  // namespace

void SetWindowCaption(QWidget& window, const std::string& caption) {
    window.setWindowTitle(caption.empty() ? QString(QChar(kEmptyTitle))
                                          : QString::fromStdString(caption));
}

std::string WindowCaption(const QWidget& window) {
    const QString title = window.windowTitle();
    if (title == QString(QChar(kEmptyTitle))) {
        return std::string();
    }
    return title.toStdString();
}

}  // namespace framework
