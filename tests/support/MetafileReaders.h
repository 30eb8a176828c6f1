// Runs an outside metafile reader that writes SVG, then renders that SVG to a picture of the
// given size on a white background, for tests that compare what independent readers see in
// a metafile with what the platform drew. A null picture (with the failing tool's message
// added to the test) means a step failed.
#pragma once

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <gtest/gtest.h>

// True when every named program is on the path.
inline bool HasMetafileTools(const QStringList& Tools) {
    for (const QString& t : Tools)
        if (QStandardPaths::findExecutable(t).isEmpty()) return false;
    return true;
}

// Command writes the SVG file Svg; the rendering goes through the PNG file Png.
inline QImage ConvertMetafile(const QStringList& Command, const QString& Svg, const QString& Png, int Width,
                              int Height) {
    QProcess conv;
    conv.start(Command.first(), Command.mid(1));
    if (!conv.waitForFinished(30000) || conv.exitCode() != 0) {
        ADD_FAILURE() << Command.join(' ').toStdString() << ": " << conv.readAllStandardError().toStdString();
        return QImage();
    }
    // wmf2svg links its images with an xlink prefix that it never declares, and writes
    // polylines without "fill:none", which SVG then fills black.
    QFile svg(Svg);
    if (svg.open(QIODevice::ReadOnly)) {
        QString text = QString::fromUtf8(svg.readAll());
        svg.close();
        if (text.contains("xlink:") && !text.contains("xmlns:xlink"))
            text.replace("<svg ", "<svg xmlns:xlink=\"http://www.w3.org/1999/xlink\" ");
        text.replace(QRegularExpression(R"re((<polyline[^>]*style=")(?!fill))re"), "\\1fill:none; ");
        if (svg.open(QIODevice::WriteOnly | QIODevice::Truncate)) svg.write(text.toUtf8());
        svg.close();
    }
    QProcess render;
    render.start("rsvg-convert", {"-w", QString::number(Width), "-h", QString::number(Height), "-b", "white",
                                  "-o", Png, Svg});
    if (!render.waitForFinished(30000) || render.exitCode() != 0) {
        ADD_FAILURE() << "rsvg-convert: " << render.readAllStandardError().toStdString();
        return QImage();
    }
    return QImage(Png).convertToFormat(QImage::Format_RGB32);
}
