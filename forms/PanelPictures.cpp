#include "forms/PanelPictures.h"

#include <map>

#include "platform/Jpeg.h"

QImage PanelPicture(const std::string& fileName) {
    // Every panel of a model shows the same picture: it is decoded once
    // (GUI thread only, like everything that paints).
    static std::map<std::string, QImage> decoded;
    auto found = decoded.find(fileName);
    if (found != decoded.end()) return found->second;
    QImage image = LoadJpeg(":/forms/" + fileName);
    decoded.emplace(fileName, image);
    return image;
}
