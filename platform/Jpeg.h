#pragma once
// JPEG pictures through libjpeg-turbo: the front panels' pictures are
// stored as JPEG and decoded when a panel is built.

#include <QImage>

#include <string>

// Decodes JPEG octets into an RGB image; octets that are not a whole JPEG
// picture, a picture of more than 4096 x 4096 pixels, or one whose frame
// cannot be allocated raise an Exception naming `what`.
QImage DecodeJpeg(const std::string& octets, const std::string& what = "picture");
// Encodes an image as baseline JPEG of the given quality (1..100).
std::string EncodeJpeg(const QImage& image, int quality = 92);
// Reads and decodes a JPEG file or a Qt resource (":/...").
QImage LoadJpeg(const std::string& path);
