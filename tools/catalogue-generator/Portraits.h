#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>

// Where a face lies in a picture: the middle between the pupils, the line of the lips and
// the ridge of the nose.
struct FaceMarks
{
    QPointF eyes;
    double mouthY = 0;
    double noseX = 0;
};

// Scales and crops a portrait so that its face lands on the given marks of a picture of the
// given size, and fades what lies around head and shoulders into white; optionally takes off a
// hat that covers the forehead.
QImage makePortrait(const QImage &source, const FaceMarks &sourceMarks, QSize size, const FaceMarks &targetMarks,
                    bool withoutHat = false);

// Writes resources/photos/startup.jpg and default.jpg from the fixture portraits.
bool writePortraits(const QString &fixtureFolder, const QString &photoFolder);
