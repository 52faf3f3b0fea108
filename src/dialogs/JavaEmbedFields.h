#pragma once
// What the applet, parameter and embed dialogs insert, as functions of their fields alone.

#include <QByteArray>
#include <QString>

struct AppletFields {
    QString code;
    QString width;
    QString height;
    QString codeBase;
    QString alt;
    QString name;
    QString vspace;
    QString hspace;
    QString align;
};

// The applet start tag: each filled field bare, CODEBASE first and ALIGN last.
QString appletOpeningText(const AppletFields& fields);
// What follows the selection: a line break of the document, then the end tag, leaving room for
// parameter tags inside the applet.
QString appletClosingText(const QByteArray& lineBreak);

struct ParamFields {
    QString name;
    QString value;
};

// One parameter tag, NAME then VALUE, each only when filled, bare.
QString paramText(const ParamFields& fields);

struct EmbedFields {
    QString url;
    QString width;
    QString height;
    QString palette;
};

// The embed tag: WIDTH, HEIGHT and PALETTE when filled, bare; SRC always, quoted and last.
QString embedText(const EmbedFields& fields);
