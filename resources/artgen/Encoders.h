#pragma once

#include <QImage>
#include <string>

// Baseline JPEG, 4:4:4, fixed quality: the same image gives the same bytes.
std::string EncodeJpeg(const QImage& image, int quality);
