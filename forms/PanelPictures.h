#pragma once
// The front panels' pictures, compiled into the program and decoded from
// JPEG (libjpeg-turbo) the first time a panel asks for one.

#include <QImage>

#include <string>

// The picture of that file name among the forms' pictures ("Kestrix.jpg");
// raises an Exception when it is missing or cannot be decoded.
QImage PanelPicture(const std::string& fileName);
