// Files in tests: whole contents read and written, and the settings file as a first run
// with no changes leaves it.
#pragma once

#include "platform/rtl/Types.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// The bytes of a file; empty when it cannot be read.
inline QByteArray FileBytes(const String& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes a file whole, making its folder; false when it could not be written.
inline bool PutFile(const String& name, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The settings file a run with the default pressure calibration and language writes.
inline const QByteArray kDefaultSettingsFile("[Pressure]\n"
                                             "CoeffA0=1\n"
                                             "CoeffB0=0\n"
                                             "Type0=0\n"
                                             "CoeffA1=1\n"
                                             "CoeffB1=0\n"
                                             "Type1=0\n"
                                             "\n"
                                             "[GUI]\n"
                                             "Language=en\n"
                                             "\n");
