#pragma once
// The typeset formula and caption pictures every window shows, by name
// ("ImageKot", "LibImage1", "ResamImage1", ...: FormulaPictureNames lists them).
// Sizes are in logical pixels; a picture's natural size is the size it was
// typeset for, and scale multiplies it. The pictures are black on white. Each picture is
// shown in the interface language: while English is chosen, a name gives its English version.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// The picture at natural size × scale (logical pixels), drawn with
// devicePixelRatio image pixels per logical pixel and carrying that ratio, so it
// is crisp on a high-density screen. A name without a picture gives a white
// picture of the default size, so a window never lacks its image.
QImage RenderFormulaPicture(const QString& name, qreal scale = 1.0, qreal devicePixelRatio = 1.0);
// Whether image is what RenderFormulaPicture gives for name in the current language, so that a
// window keeping a drawn picture knows when to draw it again.
bool IsCurrentFormulaPicture(const QImage& image, const QString& name);
// The logical size RenderFormulaPicture gives for the same name and scale.
QSize FormulaPictureSize(const QString& name, qreal scale = 1.0);
bool HasFormulaPicture(const QString& name);
// The picture's SVG text, for a document that embeds it as a vector ("" for a name without one).
QByteArray FormulaPictureSvg(const QString& name);
// Every picture's name, sorted, each once (its language versions are not names of their own).
QStringList FormulaPictureNames();
