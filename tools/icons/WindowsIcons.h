#pragma once

#include <QImage>
#include <vector>

#include "framework/Icon.h"
#include "framework/qt/QtIcon.h"

// The pictures of `icon` at each of its sizes, as the icon file holds them.
inline std::vector<QImage> IconPictures(const framework::CIcon& icon) {
    std::vector<QImage> pictures;
    for (const int size : icon.GetSizes()) {
        pictures.push_back(framework::IconPixmap(icon, size).toImage());
    }
    return pictures;
}
