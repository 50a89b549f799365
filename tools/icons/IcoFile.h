#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

// A Windows icon file holding `pictures`, each as a 32-bit picture with its alpha and
// the transparency mask older readers use, in the format every version of the system
// reads.
QByteArray IcoFileBytes(const std::vector<QImage>& pictures);
