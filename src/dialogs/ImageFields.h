#pragma once
// What the image dialog inserts, as a function of its fields.

#include <QString>

struct ImageFields {
    QString source;    // SRC, always written
    QString lowSource; // LOWSRC
    QString alt;       // ALT
    QString width;
    QString height;
    QString hSpace;
    QString vSpace;
    QString border;
    QString align;
    QString useMap;    // the map's name; the "#" is added
    bool isMap = false;
    QString linkUrl;   // wraps the image in a link when filled
};

// The IMG tag, wrapped in a link when linkUrl is filled. Values go in exactly as typed.
QString imageText(const ImageFields& fields);
